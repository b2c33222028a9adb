      *> QORVIX generated OLE interface class.
      *> 

       class-id. IWebBrowser data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IWebBrowser is class "iwebbrowser"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "SHDocVw.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

       method-id. GoBack.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method GoBack.

       method-id. GoForward.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method GoForward.

       method-id. GoHome.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method GoHome.

       method-id. GoSearch.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method GoSearch.

       method-id. Navigate.
       local-storage section.
       linkage section.
       01 URL                           BSTR.
       01 Flags                         VARIANT.
       01 TargetFrameName               VARIANT.
       01 PostData                      VARIANT.
       01 Headers                       VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by value URL            *> [IN]
               by reference Flags      *> [IN][OPTIONAL]
               by reference TargetFrameName    *> [IN][OPTIONAL]
               by reference PostData   *> [IN][OPTIONAL]
               by reference Headers    *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method Navigate.

       method-id. Refresh.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method Refresh.

       method-id. Refresh2.
       local-storage section.
       linkage section.
       01 Level                         VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Level      *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method Refresh2.

       method-id. Stop.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method Stop.

       method-id. getApplication.
       local-storage section.
       linkage section.
       01 Application                   IDispatch-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Application    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getApplication.

       method-id. getParent.
       local-storage section.
       linkage section.
       01 Parent                        IDispatch-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Parent     *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getParent.

       method-id. getContainer.
       local-storage section.
       linkage section.
       01 Container                     IDispatch-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Container  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getContainer.

       method-id. getDocument.
       local-storage section.
       linkage section.
       01 Document                      IDispatch-ptr.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Document   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getDocument.

       method-id. getTopLevelContainer.
       local-storage section.
       linkage section.
       01 TopLevelContainer             BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference TopLevelContainer  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getTopLevelContainer.

       method-id. getType.
       local-storage section.
       linkage section.
       01 Type-CBL                      BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Type-CBL   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getType.

       method-id. getLeft.
       local-storage section.
       linkage section.
       01 Left-CBL                      LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Left-CBL   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getLeft.

       method-id. setLeft.
       local-storage section.
       linkage section.
       01 Left-CBL                      LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value Left-CBL       *> [IN]
               returning hResult.
           exit method.
       end method setLeft.

       method-id. getTop.
       local-storage section.
       linkage section.
       01 Top-CBL                       LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Top-CBL    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getTop.

       method-id. setTop.
       local-storage section.
       linkage section.
       01 Top-CBL                       LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value Top-CBL        *> [IN]
               returning hResult.
           exit method.
       end method setTop.

       method-id. getWidth.
       local-storage section.
       linkage section.
       01 Width                         LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Width      *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getWidth.

       method-id. setWidth.
       local-storage section.
       linkage section.
       01 Width                         LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value Width          *> [IN]
               returning hResult.
           exit method.
       end method setWidth.

       method-id. getHeight.
       local-storage section.
       linkage section.
       01 Height                        LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Height     *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getHeight.

       method-id. setHeight.
       local-storage section.
       linkage section.
       01 Height                        LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value Height         *> [IN]
               returning hResult.
           exit method.
       end method setHeight.

       method-id. getLocationName.
       local-storage section.
       linkage section.
       01 LocationName                  BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference LocationName   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getLocationName.

       method-id. getLocationURL.
       local-storage section.
       linkage section.
       01 LocationURL                   BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference LocationURL    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getLocationURL.

       method-id. getBusy.
       local-storage section.
       linkage section.
       01 Busy                          BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Busy       *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getBusy.

       end object.
       end class IWebBrowser.

