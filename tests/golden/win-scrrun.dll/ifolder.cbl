      *> QORVIX generated OLE interface class.
      *> Folder Interface

       class-id. IFolder data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IFolder is class "ifolder"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "Scripting.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

      *> Path to folder
       method-id. getPath.
       local-storage section.
       linkage section.
       01 Path                          BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Path       *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getPath.

      *> Get name of folder
       method-id. getName.
       local-storage section.
       linkage section.
       01 Name                          BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Name       *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getName.

      *> Get name of folder
       method-id. setName.
       local-storage section.
       linkage section.
       01 Name                          BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Name           *> [IN]
               returning hResult.
           exit method.
       end method setName.

      *> Short path
       method-id. getShortPath.
       local-storage section.
       linkage section.
       01 ShortPath                     BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference ShortPath  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getShortPath.

      *> Short name
       method-id. getShortName.
       local-storage section.
       linkage section.
       01 ShortName                     BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference ShortName  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getShortName.

      *> Get drive that contains folder
       method-id. getDrive.
       local-storage section.
       linkage section.
       01 Drive                         IDrive.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Drive      *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDrive.

      *> Get parent folder
       method-id. getParentFolder.
       local-storage section.
       linkage section.
       01 ParentFolder                  IFolder.
       01 hResult                       HRESULT.
       procedure division using 
               by reference ParentFolder   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getParentFolder.

      *> Folder attributes
       method-id. getAttributes.
       local-storage section.
       linkage section.
       01 Attributes-CBL                FileAttribute.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Attributes-CBL *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getAttributes.

      *> Folder attributes
       method-id. setAttributes.
       local-storage section.
       linkage section.
       01 Attributes-CBL                FileAttribute.
       01 hResult                       HRESULT.
       procedure division using 
               by value Attributes-CBL *> [IN]
               returning hResult.
           exit method.
       end method setAttributes.

      *> Date folder was created
       method-id. getDateCreated.
       local-storage section.
       linkage section.
       01 DateCreated                   OLEDATE.
       01 hResult                       HRESULT.
       procedure division using 
               by reference DateCreated    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDateCreated.

      *> Date folder was last modified
       method-id. getDateLastModified.
       local-storage section.
       linkage section.
       01 DateLastModified              OLEDATE.
       01 hResult                       HRESULT.
       procedure division using 
               by reference DateLastModified   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDateLastModified.

      *> Date folder was last accessed
       method-id. getDateLastAccessed.
       local-storage section.
       linkage section.
       01 DateLastAccessed              OLEDATE.
       01 hResult                       HRESULT.
       procedure division using 
               by reference DateLastAccessed   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDateLastAccessed.

      *> Type description
       method-id. getType.
       local-storage section.
       linkage section.
       01 Type-CBL                      BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Type-CBL   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getType.

      *> Delete this folder
       method-id. Delete.
       local-storage section.
       linkage section.
       01 Force                         BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value Force          *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method Delete.

      *> Copy this folder
       method-id. Copy.
       local-storage section.
       linkage section.
       01 Destination-CBL               BSTR.
       01 OverWriteFiles                BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value Destination-CBL    *> [IN]
               by value OverWriteFiles *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method Copy.

      *> Move this folder
       method-id. Move.
       local-storage section.
       linkage section.
       01 Destination-CBL               BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Destination-CBL    *> [IN]
               returning hResult.
           exit method.
       end method Move.

      *> True if folder is root
       method-id. getIsRootFolder.
       local-storage section.
       linkage section.
       01 IsRootFolder                  BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference IsRootFolder   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getIsRootFolder.

      *> Sum of files and subfolders
       method-id. getSize.
       local-storage section.
       linkage section.
       01 Size-CBL                      VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Size-CBL   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getSize.

      *> Get folders collection
       method-id. getSubFolders.
       local-storage section.
       linkage section.
       01 SubFolders                    IFolderCollection.
       01 hResult                       HRESULT.
       procedure division using 
               by reference SubFolders *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getSubFolders.

      *> Get files collection
       method-id. getFiles.
       local-storage section.
       linkage section.
       01 Files                         IFileCollection.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Files      *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getFiles.

      *> Create a file as a TextStream
       method-id. CreateTextFile.
       local-storage section.
       linkage section.
       01 FileName                      BSTR.
       01 Overwrite                     BOOL.
       01 Unicode                       BOOL.
       01 MethodVar4                    ITextStream.
       01 hResult                       HRESULT.
       procedure division using 
               by value FileName       *> [IN]
               by value Overwrite      *> [IN][OPTIONAL]
               by value Unicode        *> [IN][OPTIONAL]
               by reference MethodVar4 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method CreateTextFile.

       end object.
       end class IFolder.

