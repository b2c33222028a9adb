      *> QORVIX generated OLE interface class.
      *> Scripting.Dictionary Interface

       class-id. IDictionary data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IDictionary is class "idictionary"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "Scripting.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

      *> Set or get the item for a given key
       method-id. setRefItem.
       local-storage section.
       linkage section.
       01 Key-CBL                       VARIANT.
       01 MethodVar2                    VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Key-CBL    *> [IN]
               by reference MethodVar2 *> [IN]
               returning hResult.
           exit method.
       end method setRefItem.

      *> Set or get the item for a given key
       method-id. setItem.
       local-storage section.
       linkage section.
       01 Key-CBL                       VARIANT.
       01 MethodVar2                    VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Key-CBL    *> [IN]
               by reference MethodVar2 *> [IN]
               returning hResult.
           exit method.
       end method setItem.

      *> Set or get the item for a given key
       method-id. getItem.
       local-storage section.
       linkage section.
       01 Key-CBL                       VARIANT.
       01 MethodVar2                    VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Key-CBL    *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getItem.

      *> Add a new key and item to the dictionary.
       method-id. Add.
       local-storage section.
       linkage section.
       01 Key-CBL                       VARIANT.
       01 Item                          VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Key-CBL    *> [IN]
               by reference Item       *> [IN]
               returning hResult.
           exit method.
       end method Add.

      *> Get the number of items in the dictionary.
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

      *> Determine if a given key is in the dictionary.
       method-id. Exists.
       local-storage section.
       linkage section.
       01 Key-CBL                       VARIANT.
       01 MethodVar2                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Key-CBL    *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method Exists.

      *> Get an array containing all items in the dictionary.
       method-id. Items.
       local-storage section.
       linkage section.
       01 MethodVar1                    VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method Items.

      *> Change a key to a different key.
       method-id. setKey.
       local-storage section.
       linkage section.
       01 Key-CBL                       VARIANT.
       01 MethodVar2                    VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Key-CBL    *> [IN]
               by reference MethodVar2 *> [IN]
               returning hResult.
           exit method.
       end method setKey.

      *> Get an array containing all keys in the dictionary.
       method-id. Keys.
       local-storage section.
       linkage section.
       01 MethodVar1                    VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method Keys.

      *> Remove a given key from the dictionary.
       method-id. Remove.
       local-storage section.
       linkage section.
       01 Key-CBL                       VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Key-CBL    *> [IN]
               returning hResult.
           exit method.
       end method Remove.

      *> Remove all information from the dictionary.
       method-id. RemoveAll.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method RemoveAll.

      *> Set or get the string comparison method.
       method-id. setCompareMode.
       local-storage section.
       linkage section.
       01 CompareMode                   CompareMethod.
       01 hResult                       HRESULT.
       procedure division using 
               by value CompareMode    *> [IN]
               returning hResult.
           exit method.
       end method setCompareMode.

      *> Set or get the string comparison method.
       method-id. getCompareMode.
       local-storage section.
       linkage section.
       01 CompareMode                   CompareMethod.
       01 hResult                       HRESULT.
       procedure division using 
               by reference CompareMode    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getCompareMode.

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

       method-id. getHashVal.
       local-storage section.
       linkage section.
       01 Key-CBL                       VARIANT.
       01 MethodVar2                    VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Key-CBL    *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getHashVal.

       end object.
       end class IDictionary.

