      *> The type names that generated copy files use and leave to the
      *> user (the COBOL system's own copy files declare them). Their
      *> layouts only need to be plausible: the compiler checks syntax.
       01 SHORT              pic s9(4) comp-5 typedef.
       01 USHORT             pic 9(4) comp-5 typedef.
       01 LONG               pic s9(9) comp-5 typedef.
       01 ULONG              pic 9(9) comp-5 typedef.
       01 INT                pic s9(9) comp-5 typedef.
       01 UINT               pic 9(9) comp-5 typedef.
       01 UCHAR              pic 9(2) comp-5 typedef.
       01 wchar-t            pic 9(4) comp-5 typedef.
       01 BOOL               pic s9(4) comp-5 typedef.
       01 SCODE              pic s9(9) comp-5 typedef.
       01 CURRENCYTYPE       pic s9(18) comp-5 typedef.
       01 BSTR               pointer typedef.
       01 VARIANT            pic x(16) typedef.
       01 CLSID              pic x(16) typedef.
       01 FILETIME           pic x(8) typedef.
       01 BLOB               pic x(8) typedef.
       01 void               pic x typedef.
       01 data-pointer       pointer typedef.
       01 CARRAY             pointer typedef.
       01 USERDEFINED        pointer typedef.
       01 STREAM             pointer typedef.
       01 STORAGE            pointer typedef.
       01 STREAMED-OBJECT    pointer typedef.
       01 STORED-OBJECT      pointer typedef.
       01 BLOB-OBJECT        pointer typedef.
       01 BAD-VARTYPE        pic x typedef.
      *> The GUID record of stdole2, which nearly every library imports
      *> (a program COPYs the imported library's copy file too).
       01 GUID               typedef.
          03 Data1           pic 9(9) comp-5.
          03 Data2           pic 9(4) comp-5.
          03 Data3           pic 9(4) comp-5.
          03 Data4           pic x(8).
