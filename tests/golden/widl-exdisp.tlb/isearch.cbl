      *> QORVIX generated OLE interface class.
      *> 

       class-id. ISearch data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           ISearch is class "isearch"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "SHDocVw.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

       method-id. getTitle.
       local-storage section.
       linkage section.
       01 Title-CBL                     BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Title-CBL  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getTitle.

       method-id. getId.
       local-storage section.
       linkage section.
       01 Id-CBL                        BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Id-CBL     *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getId.

       method-id. getURL.
       local-storage section.
       linkage section.
       01 URL                           BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference URL        *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getURL.

       end object.
       end class ISearch.

