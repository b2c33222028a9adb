      *> QORVIX generated OLE interface class.
      *> 

       class-id. IShellUIHelper2 data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IShellUIHelper2 is class "ishelluihelper2"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "SHDocVw.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

       method-id. ResetFirstBootMode.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method ResetFirstBootMode.

       method-id. ResetSafeMode.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method ResetSafeMode.

       method-id. RefreshOfflineDesktop.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method RefreshOfflineDesktop.

       method-id. AddFavorite.
       local-storage section.
       linkage section.
       01 URL                           BSTR.
       01 Title-CBL                     VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by value URL            *> [IN]
               by reference Title-CBL  *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method AddFavorite.

       method-id. AddChannel.
       local-storage section.
       linkage section.
       01 URL                           BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value URL            *> [IN]
               returning hResult.
           exit method.
       end method AddChannel.

       method-id. AddDesktopComponent.
       local-storage section.
       linkage section.
       01 URL                           BSTR.
       01 Type-CBL                      BSTR.
       01 Left-CBL                      VARIANT.
       01 Top-CBL                       VARIANT.
       01 Width                         VARIANT.
       01 Height                        VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by value URL            *> [IN]
               by value Type-CBL       *> [IN]
               by reference Left-CBL   *> [IN][OPTIONAL]
               by reference Top-CBL    *> [IN][OPTIONAL]
               by reference Width      *> [IN][OPTIONAL]
               by reference Height     *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method AddDesktopComponent.

       method-id. IsSubscribed.
       local-storage section.
       linkage section.
       01 URL                           BSTR.
       01 MethodVar2                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value URL            *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method IsSubscribed.

       method-id. NavigateAndFind.
       local-storage section.
       linkage section.
       01 URL                           BSTR.
       01 strQuery                      BSTR.
       01 varTargetFrame                VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by value URL            *> [IN]
               by value strQuery       *> [IN]
               by reference varTargetFrame *> [IN]
               returning hResult.
           exit method.
       end method NavigateAndFind.

       method-id. ImportExportFavorites.
       local-storage section.
       linkage section.
       01 fImport                       BOOL.
       01 strImpExpPath                 BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value fImport        *> [IN]
               by value strImpExpPath  *> [IN]
               returning hResult.
           exit method.
       end method ImportExportFavorites.

       method-id. AutoCompleteSaveForm.
       local-storage section.
       linkage section.
       01 Form                          VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Form       *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method AutoCompleteSaveForm.

       method-id. AutoScan.
       local-storage section.
       linkage section.
       01 strSearch                     BSTR.
       01 strFailureUrl                 BSTR.
       01 pvarTargetFrame               VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by value strSearch      *> [IN]
               by value strFailureUrl  *> [IN]
               by reference pvarTargetFrame    *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method AutoScan.

       method-id. AutoCompleteAttach.
       local-storage section.
       linkage section.
       01 Reserved                      VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Reserved   *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method AutoCompleteAttach.

       method-id. ShowBrowserUI.
       local-storage section.
       linkage section.
       01 bstrName                      BSTR.
       01 pvarIn                        VARIANT.
       01 MethodVar3                    VARIANT.
       01 hResult                       HRESULT.
       procedure division using 
               by value bstrName       *> [IN]
               by reference pvarIn     *> [IN]
               by reference MethodVar3 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method ShowBrowserUI.

       method-id. AddSearchProvider.
       local-storage section.
       linkage section.
       01 URL                           BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value URL            *> [IN]
               returning hResult.
           exit method.
       end method AddSearchProvider.

       method-id. RunOnceShown.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method RunOnceShown.

       method-id. SkipRunOnce.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method SkipRunOnce.

       method-id. CustomizeSettings.
       local-storage section.
       linkage section.
       01 fSQM                          BOOL.
       01 fPhishing                     BOOL.
       01 bstrLocale                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value fSQM           *> [IN]
               by value fPhishing      *> [IN]
               by value bstrLocale     *> [IN]
               returning hResult.
           exit method.
       end method CustomizeSettings.

       method-id. SqmEnabled.
       local-storage section.
       linkage section.
       01 MethodVar1                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method SqmEnabled.

       method-id. PhishingEnabled.
       local-storage section.
       linkage section.
       01 MethodVar1                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method PhishingEnabled.

       method-id. BrandImageUri.
       local-storage section.
       linkage section.
       01 MethodVar1                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method BrandImageUri.

       method-id. SkipTabsWelcome.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method SkipTabsWelcome.

       method-id. DiagnoseConnection.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method DiagnoseConnection.

       method-id. CustomizeClearType.
       local-storage section.
       linkage section.
       01 fSet                          BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value fSet           *> [IN]
               returning hResult.
           exit method.
       end method CustomizeClearType.

       method-id. IsSearchProviderInstalled.
       local-storage section.
       linkage section.
       01 URL                           BSTR.
       01 MethodVar2                    ULONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value URL            *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method IsSearchProviderInstalled.

       method-id. IsSearchMigrated.
       local-storage section.
       linkage section.
       01 MethodVar1                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method IsSearchMigrated.

       method-id. DefaultSearchProvider.
       local-storage section.
       linkage section.
       01 MethodVar1                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method DefaultSearchProvider.

       method-id. RunOnceRequiredSettingsComplete.
       local-storage section.
       linkage section.
       01 fComplete                     BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value fComplete      *> [IN]
               returning hResult.
           exit method.
       end method RunOnceRequiredSettingsComplete.

       method-id. RunOnceHasShown.
       local-storage section.
       linkage section.
       01 MethodVar1                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method RunOnceHasShown.

       method-id. SearchGuideUrl.
       local-storage section.
       linkage section.
       01 MethodVar1                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method SearchGuideUrl.

       end object.
       end class IShellUIHelper2.

