      *> QORVIX generated OLE interface class.
      *> Drive Collection Interface

       class-id. IDriveCollection data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IDriveCollection is class "idrivecollection"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "Scripting.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

      *> Get drive
       method-id. getItem.
       local-storage section.
       linkage section.
       01 Key-CBL                       VARIANT.
       01 MethodVar2                    IDrive.
       01 hResult                       HRESULT.
       procedure division using 
               by value Key-CBL        *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getItem.

       method-id. get_NewEnum.
       local-storage section.
       linkage section.
       01 NewEnum                       IUnknown-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by reference NewEnum    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method get_NewEnum.

      *> Number of drives
       method-id. getCount.
       local-storage section.
       linkage section.
       01 Count-CBL                     LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Count-CBL  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getCount.

       end object.
       end class IDriveCollection.

