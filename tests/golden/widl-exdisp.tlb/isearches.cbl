      *> QORVIX generated OLE interface class.
      *> 

       class-id. ISearches data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           ISearches is class "isearches"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "SHDocVw.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

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

       method-id. getDefault.
       local-storage section.
       linkage section.
       01 Default-CBL                   BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Default-CBL    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDefault.

       method-id. Item.
       local-storage section.
       linkage section.
       01 index-CBL                     VARIANT.
       01 MethodVar2                    ISearch.
       01 hResult                       HRESULT.
       procedure division using 
               by value index-CBL      *> [IN][OPTIONAL]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method Item.

       method-id. _NewEnum.
       local-storage section.
       linkage section.
       01 MethodVar1                    IUnknown-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method _NewEnum.

       end object.
       end class ISearches.

