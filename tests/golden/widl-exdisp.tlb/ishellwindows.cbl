      *> QORVIX generated OLE interface class.
      *> 

       class-id. IShellWindows data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IShellWindows is class "ishellwindows"
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

       method-id. Item.
       local-storage section.
       linkage section.
       01 index-CBL                     VARIANT.
       01 MethodVar2                    IDispatch-ptr.
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

       method-id. Register.
       local-storage section.
       linkage section.
       01 pid                           IDispatch-ptr.
       01 HWND                          LONG.
       01 swClass                       INT.
       01 plCookie                      LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value pid            *> [IN]
               by value HWND           *> [IN]
               by value swClass        *> [IN]
               by reference plCookie   *> [OUT]
               returning hResult.
           exit method.
       end method Register.

       method-id. RegisterPending.
       local-storage section.
       linkage section.
       01 lThreadId                     LONG.
       01 pvarloc                       VARIANT.
       01 pvarlocRoot                   VARIANT.
       01 swClass                       INT.
       01 plCookie                      LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value lThreadId      *> [IN]
               by reference pvarloc    *> [IN]
               by reference pvarlocRoot    *> [IN]
               by value swClass        *> [IN]
               by reference plCookie   *> [OUT]
               returning hResult.
           exit method.
       end method RegisterPending.

       method-id. Revoke.
       local-storage section.
       linkage section.
       01 lCookie                       LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value lCookie        *> [IN]
               returning hResult.
           exit method.
       end method Revoke.

       method-id. OnNavigate.
       local-storage section.
       linkage section.
       01 lCookie                       LONG.
       01 pvarloc                       VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by value lCookie        *> [IN]
               by reference pvarloc    *> [IN]
               returning hResult.
           exit method.
       end method OnNavigate.

       method-id. OnActivated.
       local-storage section.
       linkage section.
       01 lCookie                       LONG.
       01 fActive                       BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value lCookie        *> [IN]
               by value fActive        *> [IN]
               returning hResult.
           exit method.
       end method OnActivated.

       method-id. FindWindowSW.
       local-storage section.
       linkage section.
       01 pvarloc                       VARIANT.
       01 pvarlocRoot                   VARIANT.
       01 swClass                       INT.
       01 pHWND                         LONG.
       01 swfwOptions                   INT.
       01 MethodVar6                    IDispatch-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by reference pvarloc    *> [IN]
               by reference pvarlocRoot    *> [IN]
               by value swClass        *> [IN]
               by reference pHWND      *> [OUT]
               by value swfwOptions    *> [IN]
               by reference MethodVar6 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method FindWindowSW.

       method-id. OnCreated.
       local-storage section.
       linkage section.
       01 lCookie                       LONG.
       01 punk                          IUnknown-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by value lCookie        *> [IN]
               by value punk           *> [IN]
               returning hResult.
           exit method.
       end method OnCreated.

       method-id. ProcessAttachDetach.
       local-storage section.
       linkage section.
       01 fAttach                       BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value fAttach        *> [IN]
               returning hResult.
           exit method.
       end method ProcessAttachDetach.

       end object.
       end class IShellWindows.

