      *> QORVIX v1.0.16 generated copy file.

      *> Standard parameter types:
      $if IUnknown-ptr not defined
       01 IUnknown-ptr     pointer typedef.
      $end
      $if IDispatch-ptr not defined
       01 IDispatch-ptr     pointer typedef.
      $end
      $if LPWSTR not defined
       01 LPWSTR     pointer typedef.  *> Pointer to Unicode string
      $end
      $if LPSTR not defined
       01 LPSTR     pointer typedef.  *> Pointer to string
      $end
      $if OLEDATE not defined
       01 OLEDATE     comp-2 typedef.
      $end
      $if HRESULT not defined
       01 HRESULT     pic x(4) comp-5 typedef.
      $end
      $if int64 not defined
       01 int64 typedef.
         03 high-int64   pic s9(9) comp-5.
         03 low-int64    pic x(4) comp-5.
       01 uint64 typedef.
         03 high-uint64   pic x(4) comp-5.
         03 low-uint64    pic x(4) comp-5.
      $end

      *> For automation use:
      *> BSTR - pic x(n) or object reference of class chararry
      *> CURRENCYTYPE - comp-3
      *> OLEDATE - the olesup method "formatDateToOLE"
      *> IDispatch-Ptr - object reference
      *> VARIANT - object reference of class olevar
      *> SAFEARRAY() - object reference of class olesafea
      *> IUknown-Ptr - object reference of class olevar containing an interface pointer

      *> ==========================
      *> = Type library contents: =
      *> ==========================
      *> Name: SHDocVw
      *> Microsoft Internet Controls

       01 CommandStateChangeConstants    pic s9(9) comp-5 typedef.
          88 CSC-UPDATECOMMANDS         VALUE -1.
          88 CSC-NAVIGATEFORWARD        VALUE 1.
          88 CSC-NAVIGATEBACK           VALUE 2.
       01 CommandStateChangeConstants-PTR   pointer typedef.

       01 OLECMDID    pic s9(9) comp-5 typedef.
          88 OLECMDID-OPEN              VALUE 1.
          88 OLECMDID-NEW               VALUE 2.
          88 OLECMDID-SAVE              VALUE 3.
          88 OLECMDID-SAVEAS            VALUE 4.
          88 OLECMDID-SAVECOPYAS        VALUE 5.
          88 OLECMDID-PRINT             VALUE 6.
          88 OLECMDID-PRINTPREVIEW      VALUE 7.
          88 OLECMDID-PAGESETUP         VALUE 8.
          88 OLECMDID-SPELL             VALUE 9.
          88 OLECMDID-PROPERTIES        VALUE 10.
          88 OLECMDID-CUT               VALUE 11.
          88 OLECMDID-COPY              VALUE 12.
          88 OLECMDID-PASTE             VALUE 13.
          88 OLECMDID-PASTESPECIAL      VALUE 14.
          88 OLECMDID-UNDO              VALUE 15.
          88 OLECMDID-REDO              VALUE 16.
          88 OLECMDID-SELECTALL         VALUE 17.
          88 OLECMDID-CLEARSELECTION    VALUE 18.
          88 OLECMDID-ZOOM              VALUE 19.
          88 OLECMDID-GETZOOMRANGE      VALUE 20.
          88 OLECMDID-UPDATECOMMANDS    VALUE 21.
          88 OLECMDID-REFRESH           VALUE 22.
          88 OLECMDID-STOP              VALUE 23.
          88 OLECMDID-HIDETOOLBARS      VALUE 24.
          88 OLECMDID-SETPROGRESSMAX    VALUE 25.
          88 OLECMDID-SETPROGRESSPOS    VALUE 26.
          88 OLECMDID-SETPROGRESSTEXT   VALUE 27.
          88 OLECMDID-SETTITLE          VALUE 28.
          88 OLECMDID-SETDOWNLOADSTATE  VALUE 29.
          88 OLECMDID-STOPDOWNLOAD      VALUE 30.
          88 OLECMDID-ONTOOLBARACTIVATED    VALUE 31.
          88 OLECMDID-FIND              VALUE 32.
          88 OLECMDID-DELETE            VALUE 33.
          88 OLECMDID-HTTPEQUIV         VALUE 34.
          88 OLECMDID-HTTPEQUIV-DONE    VALUE 35.
          88 OLECMDID-ENABLE-INTERACTION    VALUE 36.
          88 OLECMDID-ONUNLOAD          VALUE 37.
          88 OLECMDID-PROPERTYBAG2      VALUE 38.
          88 OLECMDID-PREREFRESH        VALUE 39.
          88 OLECMDID-SHOWSCRIPTERROR   VALUE 40.
          88 OLECMDID-SHOWMESSAGE       VALUE 41.
          88 OLECMDID-SHOWFIND          VALUE 42.
          88 OLECMDID-SHOWPAGESETUP     VALUE 43.
          88 OLECMDID-SHOWPRINT         VALUE 44.
          88 OLECMDID-CLOSE             VALUE 45.
          88 OLECMDID-ALLOWUILESSSAVEAS VALUE 46.
          88 OLECMDID-DONTDOWNLOADCSS   VALUE 47.
          88 OLECMDID-UPDATEPAGESTATUS  VALUE 48.
          88 OLECMDID-PRINT2            VALUE 49.
          88 OLECMDID-PRINTPREVIEW2     VALUE 50.
          88 OLECMDID-SETPRINTTEMPLATE  VALUE 51.
          88 OLECMDID-GETPRINTTEMPLATE  VALUE 52.
          88 OLECMDID-PAGEACTIONBLOCKED VALUE 55.
          88 OLECMDID-PAGEACTIONUIQUERY VALUE 56.
          88 OLECMDID-FOCUSVIEWCONTROLS VALUE 57.
          88 OLECMDID-FOCUSVIEWCONTROLSQUERY    VALUE 58.
          88 OLECMDID-SHOWPAGEACTIONMENU    VALUE 59.
          88 OLECMDID-ADDTRAVELENTRY    VALUE 60.
          88 OLECMDID-UPDATETRAVELENTRY VALUE 61.
          88 OLECMDID-UPDATEBACKFORWARDSTATE    VALUE 62.
          88 OLECMDID-OPTICAL-ZOOM      VALUE 63.
          88 OLECMDID-OPTICAL-GETZOOMRANGE  VALUE 64.
          88 OLECMDID-WINDOWSTATECHANGED    VALUE 65.
          88 OLECMDID-ACTIVEXINSTALLSCOPE   VALUE 66.
          88 OLECMDID-UPDATETRAVELENTRY-DATA    VALUE 67.
          88 OLECMDID-SHOWTASKDLG       VALUE 68.
          88 OLECMDID-POPSTATEEVENT     VALUE 69.
          88 OLECMDID-VIEWPORT-MODE     VALUE 70.
          88 OLECMDID-LAYOUT-VIEWPORT-WIDTH VALUE 71.
          88 OLECMDID-VISUAL-VIEWPORT-EXCLUD    VALUE 72.
          88 OLECMDID-USER-OPTICAL-ZOOM VALUE 73.
          88 OLECMDID-PAGEAVAILABLE     VALUE 74.
          88 OLECMDID-GETUSERSCALABLE   VALUE 75.
          88 OLECMDID-UPDATE-CARET      VALUE 76.
          88 OLECMDID-ENABLE-VISIBILITY VALUE 77.
          88 OLECMDID-MEDIA-PLAYBACK    VALUE 78.
       01 OLECMDID-PTR   pointer typedef.

       01 OLECMDF    pic s9(9) comp-5 typedef.
          88 OLECMDF-SUPPORTED          VALUE 1.
          88 OLECMDF-ENABLED            VALUE 2.
          88 OLECMDF-LATCHED            VALUE 4.
          88 OLECMDF-NINCHED            VALUE 8.
          88 OLECMDF-INVISIBLE          VALUE 16.
          88 OLECMDF-DEFHIDEONCTXTMENU  VALUE 32.
       01 OLECMDF-PTR   pointer typedef.

       01 OLECMDEXECOPT    pic s9(9) comp-5 typedef.
          88 OLECMDEXECOPT-DODEFAULT    VALUE 0.
          88 OLECMDEXECOPT-PROMPTUSER   VALUE 1.
          88 OLECMDEXECOPT-DONTPROMPTUSER   VALUE 2.
          88 OLECMDEXECOPT-SHOWHELP     VALUE 3.
       01 OLECMDEXECOPT-PTR   pointer typedef.

       01 tagREADYSTATE    pic s9(9) comp-5 typedef.
          88 READYSTATE-UNINITIALIZED   VALUE 0.
          88 READYSTATE-LOADING         VALUE 1.
          88 READYSTATE-LOADED          VALUE 2.
          88 READYSTATE-INTERACTIVE     VALUE 3.
          88 READYSTATE-COMPLETE        VALUE 4.
       01 tagREADYSTATE-PTR   pointer typedef.

       01 SecureLockIconConstants    pic s9(9) comp-5 typedef.
          88 secureLockIconUnsecure     VALUE 0.
          88 secureLockIconMixed        VALUE 1.
          88 secureLockIconSecureUnknownBits    VALUE 2.
          88 secureLockIconSecure40Bit  VALUE 3.
          88 secureLockIconSecure56Bit  VALUE 4.
          88 secureLockIconSecureFortezza   VALUE 5.
          88 secureLockIconSecure128Bit VALUE 6.
       01 SecureLockIconConstants-PTR   pointer typedef.

       01 ShellWindowTypeConstants    pic s9(9) comp-5 typedef.
          88 SWC-EXPLORER               VALUE 0.
          88 SWC-BROWSER                VALUE 1.
          88 SWC-3RDPARTY               VALUE 2.
          88 SWC-CALLBACK               VALUE 4.
          88 SWC-DESKTOP                VALUE 8.
       01 ShellWindowTypeConstants-PTR   pointer typedef.

       01 ShellWindowFindWindowOptions    pic s9(9) comp-5 typedef.
          88 SWFO-NEEDDISPATCH          VALUE 1.
          88 SWFO-INCLUDEPENDING        VALUE 2.
          88 SWFO-COOKIEPASSED          VALUE 4.
       01 ShellWindowFindWindowOption-PTR   pointer typedef.

      *> FOUND CLASS: "WebBrowser_V1".
      *> (Class has no ProgID in the registry)
       78 CLSID-WebBrowser-V1
                       VALUE x"C32AB2EAC130CF11A7EB0000C05BAE0B".

      *> FOUND CLASS: "WebBrowser".
      *> (Class has no ProgID in the registry)
       78 CLSID-WebBrowser   VALUE x"61F956880A34D011A96B00C04FD705A2".

      *> FOUND CLASS: "InternetExplorer".
      *> (Class has no ProgID in the registry)
       78 CLSID-InternetExplorer
                       VALUE x"01DF020000000000C000000000000046".

      *> FOUND CLASS: "ShellBrowserWindow".
      *> (Class has no ProgID in the registry)
       78 CLSID-ShellBrowserWindow
                       VALUE x"90FD8AC0A1F2D111845500A0C91F3880".

      *> FOUND CLASS: "ShellWindows".
      *> (Class has no ProgID in the registry)
       78 CLSID-ShellWindows
                       VALUE x"7259A09BA8F6CF11A44200A0C90A8F39".

      *> FOUND CLASS: "ShellUIHelper".
      *> (Class has no ProgID in the registry)
       78 CLSID-ShellUIHelper
                       VALUE x"B74BAB641E11D1118F7900C04FC2FBE1".

      *> FOUND CLASS: "ShellShellNameSpace".
      *> (Class has no ProgID in the registry)
       78 CLSID-ShellShellNameSpace
                       VALUE x"961F2F2FC12B1C4BBE28EA3774F4676A".

      *> FOUND CLASS: "ShellNameSpace".
      *> (Class has no ProgID in the registry)
       78 CLSID-ShellNameSpace
                       VALUE x"05681355DEB2D111B9F200A0C98BC547".

      *> FOUND CLASS: "CScriptErrorList".
      *> (Class has no ProgID in the registry)
       78 CLSID-CScriptErrorList
                       VALUE x"0013D0EF0F16D211BB2E00805FF7EFCA".

      *> FOUND CLASS: "ShellSearchAssistantOC".
      *> (Class has no ProgID in the registry)
       78 CLSID-ShellSearchAssistantOC
                       VALUE x"0FFD712EB1AAC04291466D2C4EDCF07D".

      *> FOUND CLASS: "SearchAssistantOC".
      *> (Class has no ProgID in the registry)
       78 CLSID-SearchAssistantOC
                       VALUE x"30F05FB44744D21185DE00C04FA35C89".

      *> FOUND DISPINTERFACE: "IWebBrowser".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IWebBrowser    VALUE x"C12AB2EAC130CF11A7EB0000C05BAE0B".
       01 IWebBrowser    pointer typedef.

      *> FOUND DISPINTERFACE: "DWebBrowserEvents".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-DWebBrowserEvents
                       VALUE x"C22AB2EAC130CF11A7EB0000C05BAE0B".
      *> 01 DWebBrowserEvents    pointer typedef.

      *> [METHODS:]
      *> Method: "BeforeNavigate".
      *> 01 URL                         BSTR.
      *> 01 Flags                       LONG.
      *> 01 TargetFrameName             BSTR.
      *> 01 PostData                    VARIANT.
      *> 01 Headers                     BSTR.
      *> 01 Cancel-CBL                  BOOL.
      *> invoke using 
      *>       by value URL            *> [IN]
      *>       by value Flags
      *>       by value TargetFrameName
      *>       by reference PostData
      *>       by value Headers
      *>       by reference Cancel-CBL *> [IN][OUT].
      *> ----------------
      *> Method: "NavigateComplete".
      *> 01 URL                         BSTR.
      *> invoke using 
      *>       by value URL            *> [IN].
      *> ----------------
      *> Method: "StatusTextChange".
      *> 01 Text-CBL                    BSTR.
      *> invoke using 
      *>       by value Text-CBL       *> [IN].
      *> ----------------
      *> Method: "ProgressChange".
      *> 01 Progress                    LONG.
      *> 01 ProgressMax                 LONG.
      *> invoke using 
      *>       by value Progress       *> [IN]
      *>       by value ProgressMax    *> [IN].
      *> ----------------
      *> Method: "DownloadComplete".
      *> invoke.
      *> ----------------
      *> Method: "CommandStateChange".
      *> 01 Command                     LONG.
      *> 01 Enable-CBL                  BOOL.
      *> invoke using 
      *>       by value Command        *> [IN]
      *>       by value Enable-CBL     *> [IN].
      *> ----------------
      *> Method: "DownloadBegin".
      *> invoke.
      *> ----------------
      *> Method: "NewWindow".
      *> 01 URL                         BSTR.
      *> 01 Flags                       LONG.
      *> 01 TargetFrameName             BSTR.
      *> 01 PostData                    VARIANT.
      *> 01 Headers                     BSTR.
      *> 01 Processed                   BOOL.
      *> invoke using 
      *>       by value URL            *> [IN]
      *>       by value Flags          *> [IN]
      *>       by value TargetFrameName    *> [IN]
      *>       by reference PostData   *> [IN]
      *>       by value Headers        *> [IN]
      *>       by reference Processed  *> [IN][OUT].
      *> ----------------
      *> Method: "TitleChange".
      *> 01 Text-CBL                    BSTR.
      *> invoke using 
      *>       by value Text-CBL       *> [IN].
      *> ----------------
      *> Method: "FrameBeforeNavigate".
      *> 01 URL                         BSTR.
      *> 01 Flags                       LONG.
      *> 01 TargetFrameName             BSTR.
      *> 01 PostData                    VARIANT.
      *> 01 Headers                     BSTR.
      *> 01 Cancel-CBL                  BOOL.
      *> invoke using 
      *>       by value URL            *> [IN]
      *>       by value Flags
      *>       by value TargetFrameName
      *>       by reference PostData
      *>       by value Headers
      *>       by reference Cancel-CBL *> [IN][OUT].
      *> ----------------
      *> Method: "FrameNavigateComplete".
      *> 01 URL                         BSTR.
      *> invoke using 
      *>       by value URL            *> [IN].
      *> ----------------
      *> Method: "FrameNewWindow".
      *> 01 URL                         BSTR.
      *> 01 Flags                       LONG.
      *> 01 TargetFrameName             BSTR.
      *> 01 PostData                    VARIANT.
      *> 01 Headers                     BSTR.
      *> 01 Processed                   BOOL.
      *> invoke using 
      *>       by value URL            *> [IN]
      *>       by value Flags          *> [IN]
      *>       by value TargetFrameName    *> [IN]
      *>       by reference PostData   *> [IN]
      *>       by value Headers        *> [IN]
      *>       by reference Processed  *> [IN][OUT].
      *> ----------------
      *> Method: "Quit".
      *> 01 Cancel-CBL                  BOOL.
      *> invoke using 
      *>       by reference Cancel-CBL *> [IN][OUT].
      *> ----------------
      *> Method: "WindowMove".
      *> invoke.
      *> ----------------
      *> Method: "WindowResize".
      *> invoke.
      *> ----------------
      *> Method: "WindowActivate".
      *> invoke.
      *> ----------------
      *> Method: "PropertyChange".
      *> 01 Property-CBL                BSTR.
      *> invoke using 
      *>       by value Property-CBL   *> [IN].
      *> ----------------

      *> FOUND DISPINTERFACE: "IWebBrowserApp".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IWebBrowserApp
                       VALUE x"05DF020000000000C000000000000046".
       01 IWebBrowserApp    pointer typedef.

      *> FOUND DISPINTERFACE: "IWebBrowser2".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IWebBrowser2    VALUE x"61160CD3AFCDD0118A3E00C04FC9E26E".
       01 IWebBrowser2    pointer typedef.

      *> FOUND DISPINTERFACE: "DWebBrowserEvents2".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-DWebBrowserEvents2
                       VALUE x"A015A7348765D011924A0020AFC7AC4D".
      *> 01 DWebBrowserEvents2    pointer typedef.

      *> [METHODS:]
      *> Method: "StatusTextChange".
      *> 01 Text-CBL                    BSTR.
      *> invoke using 
      *>       by value Text-CBL       *> [IN].
      *> ----------------
      *> Method: "ProgressChange".
      *> 01 Progress                    LONG.
      *> 01 ProgressMax                 LONG.
      *> invoke using 
      *>       by value Progress       *> [IN]
      *>       by value ProgressMax    *> [IN].
      *> ----------------
      *> Method: "CommandStateChange".
      *> 01 Command                     LONG.
      *> 01 Enable-CBL                  BOOL.
      *> invoke using 
      *>       by value Command        *> [IN]
      *>       by value Enable-CBL     *> [IN].
      *> ----------------
      *> Method: "DownloadBegin".
      *> invoke.
      *> ----------------
      *> Method: "DownloadComplete".
      *> invoke.
      *> ----------------
      *> Method: "TitleChange".
      *> 01 Text-CBL                    BSTR.
      *> invoke using 
      *>       by value Text-CBL       *> [IN].
      *> ----------------
      *> Method: "PropertyChange".
      *> 01 szProperty                  BSTR.
      *> invoke using 
      *>       by value szProperty     *> [IN].
      *> ----------------
      *> Method: "BeforeNavigate2".
      *> 01 pDisp                       IDispatch-ptr.
      *> 01 URL                         VARIANT.
      *> 01 Flags                       VARIANT.
      *> 01 TargetFrameName             VARIANT.
      *> 01 PostData                    VARIANT.
      *> 01 Headers                     VARIANT.
      *> 01 Cancel-CBL                  BOOL.
      *> invoke using 
      *>       by value pDisp          *> [IN]
      *>       by reference URL        *> [IN]
      *>       by reference Flags      *> [IN]
      *>       by reference TargetFrameName    *> [IN]
      *>       by reference PostData   *> [IN]
      *>       by reference Headers    *> [IN]
      *>       by reference Cancel-CBL *> [IN][OUT].
      *> ----------------
      *> Method: "NewWindow2".
      *> 01 ppDisp                      IDispatch-ptr.
      *> 01 Cancel-CBL                  BOOL.
      *> invoke using 
      *>       by reference ppDisp     *> [IN][OUT]
      *>       by reference Cancel-CBL *> [IN][OUT].
      *> ----------------
      *> Method: "NavigateComplete2".
      *> 01 pDisp                       IDispatch-ptr.
      *> 01 URL                         VARIANT.
      *> invoke using 
      *>       by value pDisp          *> [IN]
      *>       by reference URL        *> [IN].
      *> ----------------
      *> Method: "DocumentComplete".
      *> 01 pDisp                       IDispatch-ptr.
      *> 01 URL                         VARIANT.
      *> invoke using 
      *>       by value pDisp          *> [IN]
      *>       by reference URL        *> [IN].
      *> ----------------
      *> Method: "OnQuit".
      *> invoke.
      *> ----------------
      *> Method: "OnVisible".
      *> 01 Visible                     BOOL.
      *> invoke using 
      *>       by value Visible        *> [IN].
      *> ----------------
      *> Method: "OnToolBar".
      *> 01 ToolBar                     BOOL.
      *> invoke using 
      *>       by value ToolBar        *> [IN].
      *> ----------------
      *> Method: "OnMenuBar".
      *> 01 MenuBar                     BOOL.
      *> invoke using 
      *>       by value MenuBar        *> [IN].
      *> ----------------
      *> Method: "OnStatusBar".
      *> 01 StatusBar                   BOOL.
      *> invoke using 
      *>       by value StatusBar      *> [IN].
      *> ----------------
      *> Method: "OnFullScreen".
      *> 01 FullScreen                  BOOL.
      *> invoke using 
      *>       by value FullScreen     *> [IN].
      *> ----------------
      *> Method: "OnTheaterMode".
      *> 01 TheaterMode                 BOOL.
      *> invoke using 
      *>       by value TheaterMode    *> [IN].
      *> ----------------
      *> Method: "WindowSetResizable".
      *> 01 Resizable                   BOOL.
      *> invoke using 
      *>       by value Resizable      *> [IN].
      *> ----------------
      *> Method: "WindowSetLeft".
      *> 01 Left-CBL                    LONG.
      *> invoke using 
      *>       by value Left-CBL       *> [IN].
      *> ----------------
      *> Method: "WindowSetTop".
      *> 01 Top-CBL                     LONG.
      *> invoke using 
      *>       by value Top-CBL        *> [IN].
      *> ----------------
      *> Method: "WindowSetWidth".
      *> 01 Width                       LONG.
      *> invoke using 
      *>       by value Width          *> [IN].
      *> ----------------
      *> Method: "WindowSetHeight".
      *> 01 Height                      LONG.
      *> invoke using 
      *>       by value Height         *> [IN].
      *> ----------------
      *> Method: "WindowClosing".
      *> 01 IsChildWindow               BOOL.
      *> 01 Cancel-CBL                  BOOL.
      *> invoke using 
      *>       by value IsChildWindow  *> [IN]
      *>       by reference Cancel-CBL *> [IN][OUT].
      *> ----------------
      *> Method: "ClientToHostWindow".
      *> 01 CX                          LONG.
      *> 01 CY                          LONG.
      *> invoke using 
      *>       by reference CX         *> [IN][OUT]
      *>       by reference CY         *> [IN][OUT].
      *> ----------------
      *> Method: "SetSecureLockIcon".
      *> 01 SecureLockIcon              LONG.
      *> invoke using 
      *>       by value SecureLockIcon *> [IN].
      *> ----------------
      *> Method: "FileDownload".
      *> 01 ActiveDocument              BOOL.
      *> 01 Cancel-CBL                  BOOL.
      *> invoke using 
      *>       by value ActiveDocument *> [IN]
      *>       by reference Cancel-CBL *> [IN][OUT].
      *> ----------------
      *> Method: "NavigateError".
      *> 01 pDisp                       IDispatch-ptr.
      *> 01 URL                         VARIANT.
      *> 01 Frame                       VARIANT.
      *> 01 StatusCode                  VARIANT.
      *> 01 Cancel-CBL                  BOOL.
      *> invoke using 
      *>       by value pDisp          *> [IN]
      *>       by reference URL        *> [IN]
      *>       by reference Frame      *> [IN]
      *>       by reference StatusCode *> [IN]
      *>       by reference Cancel-CBL *> [IN][OUT].
      *> ----------------
      *> Method: "PrintTemplateInstantiation".
      *> 01 pDisp                       IDispatch-ptr.
      *> invoke using 
      *>       by value pDisp          *> [IN].
      *> ----------------
      *> Method: "PrintTemplateTeardown".
      *> 01 pDisp                       IDispatch-ptr.
      *> invoke using 
      *>       by value pDisp          *> [IN].
      *> ----------------
      *> Method: "UpdatePageStatus".
      *> 01 pDisp                       IDispatch-ptr.
      *> 01 nPage                       VARIANT.
      *> 01 fDone                       VARIANT.
      *> invoke using 
      *>       by value pDisp          *> [IN]
      *>       by reference nPage      *> [IN]
      *>       by reference fDone      *> [IN].
      *> ----------------
      *> Method: "PrivacyImpactedStateChange".
      *> 01 bImpacted                   BOOL.
      *> invoke using 
      *>       by value bImpacted      *> [IN].
      *> ----------------
      *> Method: "NewWindow3".
      *> 01 ppDisp                      IDispatch-ptr.
      *> 01 Cancel-CBL                  BOOL.
      *> 01 dwFlags                     ULONG.
      *> 01 bstrUrlContext              BSTR.
      *> 01 bstrUrl                     BSTR.
      *> invoke using 
      *>       by reference ppDisp     *> [IN][OUT]
      *>       by reference Cancel-CBL *> [IN][OUT]
      *>       by value dwFlags        *> [IN]
      *>       by value bstrUrlContext *> [IN]
      *>       by value bstrUrl        *> [IN].
      *> ----------------
      *> Method: "SetPhishingFilterStatus".
      *> 01 PhishingFilterStatus        LONG.
      *> invoke using 
      *>       by value PhishingFilterStatus   *> [IN].
      *> ----------------
      *> Method: "WindowStateChanged".
      *> 01 dwWindowStateFlags          ULONG.
      *> 01 dwValidFlagsMask            ULONG.
      *> invoke using 
      *>       by value dwWindowStateFlags *> [IN]
      *>       by value dwValidFlagsMask   *> [IN].
      *> ----------------
      *> Method: "NewProcess".
      *> 01 lCauseFlag                  LONG.
      *> 01 pWB2                        IDispatch-ptr.
      *> 01 Cancel-CBL                  BOOL.
      *> invoke using 
      *>       by value lCauseFlag     *> [IN]
      *>       by value pWB2           *> [IN]
      *>       by reference Cancel-CBL *> [IN][OUT].
      *> ----------------
      *> Method: "ThirdPartyUrlBlocked".
      *> 01 URL                         VARIANT.
      *> 01 dwCount                     ULONG.
      *> invoke using 
      *>       by reference URL        *> [IN]
      *>       by value dwCount        *> [IN].
      *> ----------------
      *> Method: "RedirectXDomainBlocked".
      *> 01 pDisp                       IDispatch-ptr.
      *> 01 StartURL                    VARIANT.
      *> 01 RedirectURL                 VARIANT.
      *> 01 Frame                       VARIANT.
      *> 01 StatusCode                  VARIANT.
      *> invoke using 
      *>       by value pDisp          *> [IN]
      *>       by reference StartURL   *> [IN]
      *>       by reference RedirectURL    *> [IN]
      *>       by reference Frame      *> [IN]
      *>       by reference StatusCode *> [IN].
      *> ----------------
      *> Method: "BeforeScriptExecute".
      *> 01 pDispWindow                 IDispatch-ptr.
      *> invoke using 
      *>       by value pDispWindow    *> [IN].
      *> ----------------
      *> Method: "WebWorkerStarted".
      *> 01 dwUniqueID                  ULONG.
      *> 01 bstrWorkerLabel             BSTR.
      *> invoke using 
      *>       by value dwUniqueID     *> [IN]
      *>       by value bstrWorkerLabel    *> [IN].
      *> ----------------
      *> Method: "WebWorkerFinished".
      *> 01 dwUniqueID                  ULONG.
      *> invoke using 
      *>       by value dwUniqueID     *> [IN].
      *> ----------------

      *> FOUND DISPINTERFACE: "DShellWindowsEvents".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-DShellWindowsEvents
                       VALUE x"E00641FE9A39D011A48C00A0C90A8F39".
      *> 01 DShellWindowsEvents    pointer typedef.

      *> [METHODS:]
      *> Method: "WindowRegistered".
      *> 01 lCookie                     LONG.
      *> invoke using 
      *>       by value lCookie        *> [IN].
      *> ----------------
      *> Method: "WindowRevoked".
      *> 01 lCookie                     LONG.
      *> invoke using 
      *>       by value lCookie        *> [IN].
      *> ----------------

      *> FOUND DISPINTERFACE: "IShellWindows".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IShellWindows
                       VALUE x"0069CB85954DCF11960C0080C7F4EE85".
       01 IShellWindows    pointer typedef.

      *> FOUND DISPINTERFACE: "IShellUIHelper".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IShellUIHelper
                       VALUE x"F8E29F72A81ED1118F8500C04FC2FBE1".
       01 IShellUIHelper    pointer typedef.

      *> FOUND DISPINTERFACE: "IShellUIHelper2".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IShellUIHelper2
                       VALUE x"DA6EFEA732198142B88187B31B8BC52C".
       01 IShellUIHelper2    pointer typedef.

      *> FOUND DISPINTERFACE: "DShellNameSpaceEvents".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-DShellNameSpaceEvents
                       VALUE x"06681355DEB2D111B9F200A0C98BC547".
      *> 01 DShellNameSpaceEvents    pointer typedef.

      *> [METHODS:]
      *> Method: "FavoritesSelectionChange".
      *> 01 cItems                      LONG.
      *> 01 hItem                       LONG.
      *> 01 strName                     BSTR.
      *> 01 strUrl                      BSTR.
      *> 01 cVisits                     LONG.
      *> 01 strDate                     BSTR.
      *> 01 fAvailableOffline           LONG.
      *> invoke using 
      *>       by value cItems         *> [IN]
      *>       by value hItem          *> [IN]
      *>       by value strName        *> [IN]
      *>       by value strUrl         *> [IN]
      *>       by value cVisits        *> [IN]
      *>       by value strDate        *> [IN]
      *>       by value fAvailableOffline  *> [IN].
      *> ----------------
      *> Method: "SelectionChange".
      *> invoke.
      *> ----------------
      *> Method: "DoubleClick".
      *> invoke.
      *> ----------------
      *> Method: "Initialized".
      *> invoke.
      *> ----------------

      *> FOUND DISPINTERFACE: "IShellFavoritesNameSpace".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IShellFavoritesNameSpace
                       VALUE x"04681355DEB2D111B9F200A0C98BC547".
       01 IShellFavoritesNameSpace    pointer typedef.

      *> FOUND DISPINTERFACE: "IShellNameSpace".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IShellNameSpace
                       VALUE x"C9D372E5BE37E24A825DD521763E3108".
       01 IShellNameSpace    pointer typedef.

      *> FOUND DISPINTERFACE: "IScriptErrorList".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IScriptErrorList
                       VALUE x"240F47F3FD15D211BB2E00805FF7EFCA".
       01 IScriptErrorList    pointer typedef.

      *> FOUND DISPINTERFACE: "ISearch".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-ISearch    VALUE x"A43992BAD53DD211BF8B00C04FB93661".
       01 ISearch    pointer typedef.

      *> FOUND DISPINTERFACE: "ISearches".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-ISearches    VALUE x"A222C947D53DD211BF8B00C04FB93661".
       01 ISearches    pointer typedef.

      *> FOUND DISPINTERFACE: "ISearchAssistantOC".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-ISearchAssistantOC
                       VALUE x"8F3E42721180D211BE7900A0C9A83DA1".
       01 ISearchAssistantOC    pointer typedef.

      *> FOUND DISPINTERFACE: "ISearchAssistantOC2".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-ISearchAssistantOC2
                       VALUE x"8F3E42721180D211BE7900A0C9A83DA2".
       01 ISearchAssistantOC2    pointer typedef.

      *> FOUND DISPINTERFACE: "ISearchAssistantOC3".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-ISearchAssistantOC3
                       VALUE x"8F3E42721180D211BE7900A0C9A83DA3".
       01 ISearchAssistantOC3    pointer typedef.

      *> FOUND DISPINTERFACE: "SearchAssistantEvents".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-SearchAssistantEvents
                       VALUE x"DAFD11165B44D21185DE00C04FA35C89".
      *> 01 SearchAssistantEvents    pointer typedef.

      *> [METHODS:]
      *> Method: "OnNextMenuSelect".
      *> 01 idItem                      LONG.
      *> invoke using 
      *>       by value idItem         *> [IN].
      *> ----------------
      *> Method: "OnNewSearch".
      *> invoke.
      *> ----------------

