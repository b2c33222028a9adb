      *> QORVIX generated OLE interface class.
      *> Drive Interface

       class-id. IDrive data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IDrive is class "idrive"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "Scripting.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

      *> Path
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

      *> Drive letter
       method-id. getDriveLetter.
       local-storage section.
       linkage section.
       01 DriveLetter                   BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference DriveLetter    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDriveLetter.

      *> Share name
       method-id. getShareName.
       local-storage section.
       linkage section.
       01 ShareName                     BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference ShareName  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getShareName.

      *> Drive type
       method-id. getDriveType.
       local-storage section.
       linkage section.
       01 DriveType                     DriveTypeConst.
       01 hResult                       HRESULT.
       procedure division using 
               by reference DriveType  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDriveType.

      *> Root folder
       method-id. getRootFolder.
       local-storage section.
       linkage section.
       01 RootFolder                    IFolder.
       01 hResult                       HRESULT.
       procedure division using 
               by reference RootFolder *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getRootFolder.

      *> Get available space
       method-id. getAvailableSpace.
       local-storage section.
       linkage section.
       01 AvailableSpace                VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference AvailableSpace *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getAvailableSpace.

      *> Get drive free space
       method-id. getFreeSpace.
       local-storage section.
       linkage section.
       01 FreeSpace                     VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference FreeSpace  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getFreeSpace.

      *> Get total drive size
       method-id. getTotalSize.
       local-storage section.
       linkage section.
       01 TotalSize                     VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference TotalSize  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getTotalSize.

      *> Name of volume
       method-id. getVolumeName.
       local-storage section.
       linkage section.
       01 VolumeName                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference VolumeName *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getVolumeName.

      *> Name of volume
       method-id. setVolumeName.
       local-storage section.
       linkage section.
       01 VolumeName                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value VolumeName     *> [IN]
               returning hResult.
           exit method.
       end method setVolumeName.

      *> Filesystem type
       method-id. getFileSystem.
       local-storage section.
       linkage section.
       01 FileSystem                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference FileSystem *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getFileSystem.

      *> Serial number
       method-id. getSerialNumber.
       local-storage section.
       linkage section.
       01 SerialNumber                  LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference SerialNumber   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getSerialNumber.

      *> Check if disk is available
       method-id. getIsReady.
       local-storage section.
       linkage section.
       01 IsReady                       BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference IsReady    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getIsReady.

       end object.
       end class IDrive.

