      *> QORVIX generated OLE interface class.
      *> 

       class-id. ISearchAssistantOC data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           ISearchAssistantOC is class "isearchassistantoc"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "SHDocVw.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

       method-id. AddNextMenuItem.
       local-storage section.
       linkage section.
       01 bstrText                      BSTR.
       01 idItem                        LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value bstrText       *> [IN]
               by value idItem         *> [IN]
               returning hResult.
           exit method.
       end method AddNextMenuItem.

       method-id. SetDefaultSearchUrl.
       local-storage section.
       linkage section.
       01 bstrUrl                       BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value bstrUrl        *> [IN]
               returning hResult.
           exit method.
       end method SetDefaultSearchUrl.

       method-id. NavigateToDefaultSearch.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method NavigateToDefaultSearch.

       method-id. IsRestricted.
       local-storage section.
       linkage section.
       01 bstrGuid                      BSTR.
       01 MethodVar2                    BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value bstrGuid       *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method IsRestricted.

       method-id. getShellFeaturesEnabled.
       local-storage section.
       linkage section.
       01 ShellFeaturesEnabled          BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference ShellFeaturesEnabled   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getShellFeaturesEnabled.

       method-id. getSearchAssistantDefault.
       local-storage section.
       linkage section.
       01 SearchAssistantDefault        BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference SearchAssistantDefault *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getSearchAssistantDefault.

       method-id. getSearches.
       local-storage section.
       linkage section.
       01 Searches                      ISearches.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Searches   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getSearches.

       method-id. getInWebFolder.
       local-storage section.
       linkage section.
       01 InWebFolder                   BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference InWebFolder    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getInWebFolder.

       method-id. PutProperty.
       local-storage section.
       linkage section.
       01 bPerLocale                    BOOL.
       01 bstrName                      BSTR.
       01 bstrValue                     BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value bPerLocale     *> [IN]
               by value bstrName       *> [IN]
               by value bstrValue      *> [IN]
               returning hResult.
           exit method.
       end method PutProperty.

       method-id. GetProperty.
       local-storage section.
       linkage section.
       01 bPerLocale                    BOOL.
       01 bstrName                      BSTR.
       01 MethodVar3                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value bPerLocale     *> [IN]
               by value bstrName       *> [IN]
               by reference MethodVar3 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetProperty.

       method-id. setEventHandled.
       local-storage section.
       linkage section.
       01 EventHandled                  BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by value EventHandled   *> [IN]
               returning hResult.
           exit method.
       end method setEventHandled.

       method-id. ResetNextMenu.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method ResetNextMenu.

       method-id. FindOnWeb.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method FindOnWeb.

       method-id. FindFilesOrFolders.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method FindFilesOrFolders.

       method-id. FindComputer.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method FindComputer.

       method-id. FindPrinter.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method FindPrinter.

       method-id. FindPeople.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method FindPeople.

       method-id. GetSearchAssistantURL.
       local-storage section.
       linkage section.
       01 bSubstitute                   BOOL.
       01 bCustomize                    BOOL.
       01 MethodVar3                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value bSubstitute    *> [IN]
               by value bCustomize     *> [IN]
               by reference MethodVar3 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method GetSearchAssistantURL.

       method-id. NotifySearchSettingsChanged.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method NotifySearchSettingsChanged.

       method-id. setASProvider.
       local-storage section.
       linkage section.
       01 ASProvider                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value ASProvider     *> [IN]
               returning hResult.
           exit method.
       end method setASProvider.

       method-id. getASProvider.
       local-storage section.
       linkage section.
       01 ASProvider                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference ASProvider *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getASProvider.

       method-id. setASSetting.
       local-storage section.
       linkage section.
       01 ASSetting                     INT.
       01 hResult                       HRESULT.
       procedure division using 
               by value ASSetting      *> [IN]
               returning hResult.
           exit method.
       end method setASSetting.

       method-id. getASSetting.
       local-storage section.
       linkage section.
       01 ASSetting                     INT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference ASSetting  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getASSetting.

       method-id. NETDetectNextNavigate.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method NETDetectNextNavigate.

       method-id. PutFindText.
       local-storage section.
       linkage section.
       01 FindText                      BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value FindText       *> [IN]
               returning hResult.
           exit method.
       end method PutFindText.

       method-id. getVersion.
       local-storage section.
       linkage section.
       01 Version                       INT.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Version    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getVersion.

       method-id. EncodeString.
       local-storage section.
       linkage section.
       01 bstrValue                     BSTR.
       01 bstrCharSet                   BSTR.
       01 bUseUTF8                      BOOL.
       01 MethodVar4                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value bstrValue      *> [IN]
               by value bstrCharSet    *> [IN]
               by value bUseUTF8       *> [IN]
               by reference MethodVar4 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method EncodeString.

       end object.
       end class ISearchAssistantOC.

