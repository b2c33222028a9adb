      *> QORVIX generated OLE interface class.
      *> FileSystemObject

       class-id. IFileSystem data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IFileSystem is class "ifilesystem"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "Scripting.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

      *> Get drives collection
       method-id. getDrives.
       local-storage section.
       linkage section.
       01 Drives                        IDriveCollection.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Drives     *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDrives.

      *> Generate a path from an existing path and a name
       method-id. BuildPath.
       local-storage section.
       linkage section.
       01 Path                          BSTR.
       01 Name                          BSTR.
       01 MethodVar3                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Path           *> [IN]
               by value Name           *> [IN]
               by reference MethodVar3 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method BuildPath.

      *> Return drive from a path
       method-id. GetDriveName.
       local-storage section.
       linkage section.
       01 Path                          BSTR.
       01 MethodVar2                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Path           *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetDriveName.

      *> Return path to the parent folder
       method-id. GetParentFolderName.
       local-storage section.
       linkage section.
       01 Path                          BSTR.
       01 MethodVar2                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Path           *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetParentFolderName.

      *> Return the file name from a path
       method-id. GetFileName.
       local-storage section.
       linkage section.
       01 Path                          BSTR.
       01 MethodVar2                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Path           *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetFileName.

      *> Return base name from a path
       method-id. GetBaseName.
       local-storage section.
       linkage section.
       01 Path                          BSTR.
       01 MethodVar2                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Path           *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetBaseName.

      *> Return extension from path
       method-id. GetExtensionName.
       local-storage section.
       linkage section.
       01 Path                          BSTR.
       01 MethodVar2                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Path           *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetExtensionName.

      *> Return the canonical representation of the path
       method-id. GetAbsolutePathName.
       local-storage section.
       linkage section.
       01 Path                          BSTR.
       01 MethodVar2                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Path           *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetAbsolutePathName.

      *> Generate name that can be used to name a temporary file
       method-id. GetTempName.
       local-storage section.
       linkage section.
       01 MethodVar1                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetTempName.

      *> Check if a drive or a share exists
       method-id. DriveExists.
       local-storage section.
       linkage section.
       01 DriveSpec                     BSTR.
       01 MethodVar2                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value DriveSpec      *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method DriveExists.

      *> Check if a file exists
       method-id. FileExists.
       local-storage section.
       linkage section.
       01 FileSpec                      BSTR.
       01 MethodVar2                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value FileSpec       *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method FileExists.

      *> Check if a path exists
       method-id. FolderExists.
       local-storage section.
       linkage section.
       01 FolderSpec                    BSTR.
       01 MethodVar2                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value FolderSpec     *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method FolderExists.

      *> Get drive or UNC share
       method-id. GetDrive.
       local-storage section.
       linkage section.
       01 DriveSpec                     BSTR.
       01 MethodVar2                    IDrive.
       01 hResult                       HRESULT.
       procedure division using 
               by value DriveSpec      *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetDrive.

      *> Get file
       method-id. GetFile.
       local-storage section.
       linkage section.
       01 FilePath                      BSTR.
       01 MethodVar2                    IFile.
       01 hResult                       HRESULT.
       procedure division using 
               by value FilePath       *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetFile.

      *> Get folder
       method-id. GetFolder.
       local-storage section.
       linkage section.
       01 FolderPath                    BSTR.
       01 MethodVar2                    IFolder.
       01 hResult                       HRESULT.
       procedure division using 
               by value FolderPath     *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetFolder.

      *> Get location of various system folders
       method-id. GetSpecialFolder.
       local-storage section.
       linkage section.
       01 SpecialFolder                 SpecialFolderConst.
       01 MethodVar2                    IFolder.
       01 hResult                       HRESULT.
       procedure division using 
               by value SpecialFolder  *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetSpecialFolder.

      *> Delete a file
       method-id. DeleteFile.
       local-storage section.
       linkage section.
       01 FileSpec                      BSTR.
       01 Force                         BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value FileSpec       *> [IN]
               by value Force          *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method DeleteFile.

      *> Delete a folder
       method-id. DeleteFolder.
       local-storage section.
       linkage section.
       01 FolderSpec                    BSTR.
       01 Force                         BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value FolderSpec     *> [IN]
               by value Force          *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method DeleteFolder.

      *> Move a file
       method-id. MoveFile.
       local-storage section.
       linkage section.
       01 Source-CBL                    BSTR.
       01 Destination-CBL               BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Source-CBL     *> [IN]
               by value Destination-CBL    *> [IN]
               returning hResult.
           exit method.
       end method MoveFile.

      *> Move a folder
       method-id. MoveFolder.
       local-storage section.
       linkage section.
       01 Source-CBL                    BSTR.
       01 Destination-CBL               BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Source-CBL     *> [IN]
               by value Destination-CBL    *> [IN]
               returning hResult.
           exit method.
       end method MoveFolder.

      *> Copy a file
       method-id. CopyFile.
       local-storage section.
       linkage section.
       01 Source-CBL                    BSTR.
       01 Destination-CBL               BSTR.
       01 OverWriteFiles                BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value Source-CBL     *> [IN]
               by value Destination-CBL    *> [IN]
               by value OverWriteFiles *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method CopyFile.

      *> Copy a folder
       method-id. CopyFolder.
       local-storage section.
       linkage section.
       01 Source-CBL                    BSTR.
       01 Destination-CBL               BSTR.
       01 OverWriteFiles                BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value Source-CBL     *> [IN]
               by value Destination-CBL    *> [IN]
               by value OverWriteFiles *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method CopyFolder.

      *> Create a folder
       method-id. CreateFolder.
       local-storage section.
       linkage section.
       01 Path                          BSTR.
       01 MethodVar2                    IFolder.
       01 hResult                       HRESULT.
       procedure division using 
               by value Path           *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method CreateFolder.

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

      *> Open a file as a TextStream
       method-id. OpenTextFile.
       local-storage section.
       linkage section.
       01 FileName                      BSTR.
       01 IOMode                        IOMode.
       01 Create                        BOOL.
       01 Format-CBL                    Tristate.
       01 MethodVar5                    ITextStream.
       01 hResult                       HRESULT.
       procedure division using 
               by value FileName       *> [IN]
               by value IOMode         *> [IN][OPTIONAL]
               by value Create         *> [IN][OPTIONAL]
               by value Format-CBL     *> [IN][OPTIONAL]
               by reference MethodVar5 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method OpenTextFile.

       end object.
       end class IFileSystem.

