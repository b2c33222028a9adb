      *> QORVIX generated OLE interface class.
      *> 

       class-id. IShellFavoritesNameSpace data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IShellFavoritesNameSpace is class "ishellfavoritesnamespace"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "SHDocVw.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

       method-id. MoveSelectionUp.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method MoveSelectionUp.

       method-id. MoveSelectionDown.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method MoveSelectionDown.

       method-id. ResetSort.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method ResetSort.

       method-id. NewFolder.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method NewFolder.

       method-id. Synchronize.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method Synchronize.

       method-id. Import.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method Import.

       method-id. Export.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method Export.

       method-id. InvokeContextMenuCommand.
       local-storage section.
       linkage section.
       01 strCommand                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value strCommand     *> [IN]
               returning hResult.
           exit method.
       end method InvokeContextMenuCommand.

       method-id. MoveSelectionTo.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method MoveSelectionTo.

       method-id. getSubscriptionsEnabled.
       local-storage section.
       linkage section.
       01 SubscriptionsEnabled          BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference SubscriptionsEnabled   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getSubscriptionsEnabled.

       method-id. CreateSubscriptionForSelection.
       local-storage section.
       linkage section.
       01 MethodVar1                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method CreateSubscriptionForSelection.

       method-id. DeleteSubscriptionForSelection.
       local-storage section.
       linkage section.
       01 MethodVar1                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method DeleteSubscriptionForSelection.

       method-id. SetRoot.
       local-storage section.
       linkage section.
       01 bstrFullPath                  BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value bstrFullPath   *> [IN]
               returning hResult.
           exit method.
       end method SetRoot.

       end object.
       end class IShellFavoritesNameSpace.

