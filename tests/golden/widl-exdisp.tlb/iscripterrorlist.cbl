      *> QORVIX generated OLE interface class.
      *> 

       class-id. IScriptErrorList data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IScriptErrorList is class "iscripterrorlist"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "SHDocVw.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

       method-id. advanceError.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method advanceError.

       method-id. retreatError.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method retreatError.

       method-id. canAdvanceError.
       local-storage section.
       linkage section.
       01 MethodVar1                    LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method canAdvanceError.

       method-id. canRetreatError.
       local-storage section.
       linkage section.
       01 MethodVar1                    LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method canRetreatError.

       method-id. getErrorLine.
       local-storage section.
       linkage section.
       01 MethodVar1                    LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getErrorLine.

       method-id. getErrorChar.
       local-storage section.
       linkage section.
       01 MethodVar1                    LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getErrorChar.

       method-id. getErrorCode.
       local-storage section.
       linkage section.
       01 MethodVar1                    LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getErrorCode.

       method-id. getErrorMsg.
       local-storage section.
       linkage section.
       01 MethodVar1                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getErrorMsg.

       method-id. getErrorUrl.
       local-storage section.
       linkage section.
       01 MethodVar1                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getErrorUrl.

       method-id. getAlwaysShowLockState.
       local-storage section.
       linkage section.
       01 MethodVar1                    LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getAlwaysShowLockState.

       method-id. getDetailsPaneOpen.
       local-storage section.
       linkage section.
       01 MethodVar1                    LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDetailsPaneOpen.

       method-id. setDetailsPaneOpen.
       local-storage section.
       linkage section.
       01 fDetailsPaneOpen              LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value fDetailsPaneOpen
               returning hResult.
           exit method.
       end method setDetailsPaneOpen.

       method-id. getPerErrorDisplay.
       local-storage section.
       linkage section.
       01 MethodVar1                    LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getPerErrorDisplay.

       method-id. setPerErrorDisplay.
       local-storage section.
       linkage section.
       01 fPerErrorDisplay              LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value fPerErrorDisplay
               returning hResult.
           exit method.
       end method setPerErrorDisplay.

       end object.
       end class IScriptErrorList.

