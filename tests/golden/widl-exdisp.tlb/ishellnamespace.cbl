      *> QORVIX generated OLE interface class.
      *> 

       class-id. IShellNameSpace data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IShellNameSpace is class "ishellnamespace"
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

       method-id. getEnumOptions.
       local-storage section.
       linkage section.
       01 EnumOptions                   LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference EnumOptions    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getEnumOptions.

       method-id. setEnumOptions.
       local-storage section.
       linkage section.
       01 EnumOptions                   LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value EnumOptions    *> [IN]
               returning hResult.
           exit method.
       end method setEnumOptions.

       method-id. getSelectedItem.
       local-storage section.
       linkage section.
       01 SelectedItem                  IDispatch-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by reference SelectedItem   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getSelectedItem.

       method-id. setSelectedItem.
       local-storage section.
       linkage section.
       01 SelectedItem                  IDispatch-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by value SelectedItem   *> [IN]
               returning hResult.
           exit method.
       end method setSelectedItem.

       method-id. getRoot.
       local-storage section.
       linkage section.
       01 Root                          VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Root       *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getRoot.

       method-id. setRoot-2.
       local-storage section.
       linkage section.
       01 Root                          VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by value Root           *> [IN]
               returning hResult.
           exit method.
       end method setRoot-2.

       method-id. getDepth.
       local-storage section.
       linkage section.
       01 Depth                         INT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Depth      *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDepth.

       method-id. setDepth.
       local-storage section.
       linkage section.
       01 Depth                         INT.
       01 hResult                       HRESULT.
       procedure division using 
               by value Depth          *> [IN]
               returning hResult.
           exit method.
       end method setDepth.

       method-id. getMode.
       local-storage section.
       linkage section.
       01 Mode-CBL                      UINT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Mode-CBL   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getMode.

       method-id. setMode.
       local-storage section.
       linkage section.
       01 Mode-CBL                      UINT.
       01 hResult                       HRESULT.
       procedure division using 
               by value Mode-CBL       *> [IN]
               returning hResult.
           exit method.
       end method setMode.

       method-id. getFlags.
       local-storage section.
       linkage section.
       01 Flags                         ULONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Flags      *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getFlags.

       method-id. setFlags.
       local-storage section.
       linkage section.
       01 Flags                         ULONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value Flags          *> [IN]
               returning hResult.
           exit method.
       end method setFlags.

       method-id. setTVFlags.
       local-storage section.
       linkage section.
       01 TVFlags                       ULONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value TVFlags        *> [IN]
               returning hResult.
           exit method.
       end method setTVFlags.

       method-id. getTVFlags.
       local-storage section.
       linkage section.
       01 TVFlags                       ULONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference TVFlags    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getTVFlags.

       method-id. getColumns.
       local-storage section.
       linkage section.
       01 Columns-CBL                   BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Columns-CBL    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getColumns.

       method-id. setColumns.
       local-storage section.
       linkage section.
       01 Columns-CBL                   BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Columns-CBL    *> [IN]
               returning hResult.
           exit method.
       end method setColumns.

       method-id. getCountViewTypes.
       local-storage section.
       linkage section.
       01 CountViewTypes                INT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference CountViewTypes *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getCountViewTypes.

       method-id. SetViewType.
       local-storage section.
       linkage section.
       01 iType                         INT.
       01 hResult                       HRESULT.
       procedure division using 
               by value iType          *> [IN]
               returning hResult.
           exit method.
       end method SetViewType.

       method-id. SelectedItems.
       local-storage section.
       linkage section.
       01 MethodVar1                    IDispatch-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method SelectedItems.

       method-id. Expand.
       local-storage section.
       linkage section.
       01 var                           VARIANT.
       01 iDepth                        INT.
       01 hResult                       HRESULT.
       procedure division using 
               by value var            *> [IN]
               by value iDepth
               returning hResult.
           exit method.
       end method Expand.

       method-id. UnselectAll.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method UnselectAll.

       end object.
       end class IShellNameSpace.

