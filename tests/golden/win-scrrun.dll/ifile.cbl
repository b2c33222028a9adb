      *> QORVIX generated OLE interface class.
      *> File Interface

       class-id. IFile data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IFile is class "ifile"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "Scripting.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

      *> Path to the file
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

      *> Get name of file
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

      *> Get name of file
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

      *> Get drive that contains file
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

      *> Get folder that contains file
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

      *> File attributes
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

      *> File attributes
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

      *> Date file was created
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

      *> Date file was last modified
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

      *> Date file was last accessed
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

      *> File size
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

      *> Delete this file
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

      *> Copy this file
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

      *> Move this file
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

      *> Open a file as a TextStream
       method-id. OpenAsTextStream.
       local-storage section.
       linkage section.
       01 IOMode                        IOMode.
       01 Format-CBL                    Tristate.
       01 MethodVar3                    ITextStream.
       01 hResult                       HRESULT.
       procedure division using 
               by value IOMode         *> [IN][OPTIONAL]
               by value Format-CBL     *> [IN][OPTIONAL]
               by reference MethodVar3 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method OpenAsTextStream.

       end object.
       end class IFile.

