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
      *> Name: Scripting
      *> Microsoft Scripting Runtime

       01 CompareMethod    pic s9(9) comp-5 typedef.
          88 BinaryCompare              VALUE 0.
          88 TextCompare                VALUE 1.
          88 DatabaseCompare            VALUE 2.
       01 CompareMethod-PTR   pointer typedef.

       01 IOMode    pic s9(9) comp-5 typedef.
          88 ForReading                 VALUE 1.
          88 ForWriting                 VALUE 2.
          88 ForAppending               VALUE 8.
       01 IOMode-PTR   pointer typedef.

       01 Tristate    pic s9(9) comp-5 typedef.
          88 TristateTrue               VALUE -1.
          88 TristateFalse              VALUE 0.
          88 TristateUseDefault         VALUE -2.
          88 TristateMixed              VALUE -2.
       01 Tristate-PTR   pointer typedef.

       01 MIDL---MIDL-itf-scrrun-0000-000    pic s9(9) comp-5 typedef.
          88 Normal                     VALUE 0.
          88 ReadOnly                   VALUE 1.
          88 Hidden                     VALUE 2.
          88 System                     VALUE 4.
          88 Volume                     VALUE 8.
          88 Directory                  VALUE 16.
          88 Archive                    VALUE 32.
          88 Alias                      VALUE 1024.
          88 Compressed                 VALUE 2048.
       01 MIDL---MIDL-itf-scrrun-0000-PTR   pointer typedef.

       01 MIDL---MIDL-itf-scrrun-0001-000    pic s9(9) comp-5 typedef.
          88 UnknownType                VALUE 0.
          88 Removable                  VALUE 1.
          88 Fixed-CBL                  VALUE 2.
          88 Remote                     VALUE 3.
          88 CDRom                      VALUE 4.
          88 RamDisk                    VALUE 5.
       01 MIDL---MIDL-itf-scrrun-0001-PTR   pointer typedef.

       01 MIDL---MIDL-itf-scrrun-0001-0-2    pic s9(9) comp-5 typedef.
          88 WindowsFolder              VALUE 0.
          88 SystemFolder               VALUE 1.
          88 TemporaryFolder            VALUE 2.
       01 MIDL---MIDL-itf-scrrun-00-2-PTR   pointer typedef.

       01 MIDL---MIDL-itf-scrrun-0001-0-3    pic s9(9) comp-5 typedef.
          88 StdIn                      VALUE 0.
          88 StdOut                     VALUE 1.
          88 StdErr                     VALUE 2.
       01 MIDL---MIDL-itf-scrrun-00-3-PTR   pointer typedef.

       01 FileAttribute    MIDL---MIDL-itf-scrrun-0000-000 typedef.

       01 DriveTypeConst    MIDL---MIDL-itf-scrrun-0001-000 typedef.

       01 SpecialFolderConst    MIDL---MIDL-itf-scrrun-0001-0-2 typedef.

       01 StandardStreamTypes    MIDL---MIDL-itf-scrrun-0001-0-3
                typedef.

      *> FOUND CLASS: "Dictionary".
      *> (Class has no ProgID in the registry)
       78 CLSID-Dictionary   VALUE x"03B109EEE097CF11978F00A02463E06F".

      *> FOUND CLASS: "FileSystemObject".
      *> (Class has no ProgID in the registry)
       78 CLSID-FileSystemObject
                       VALUE x"01FE430D93F0CF11894000A0C9054228".

      *> FOUND CLASS: "Drive".
      *> (Class has no ProgID in the registry)
       78 CLSID-Drive   VALUE x"B1F5C3C7A388D011ABCB00A0C90FFFC0".

      *> FOUND CLASS: "Drives".
      *> (Class has no ProgID in the registry)
       78 CLSID-Drives   VALUE x"B2F5C3C7A388D011ABCB00A0C90FFFC0".

      *> FOUND CLASS: "Folder".
      *> (Class has no ProgID in the registry)
       78 CLSID-Folder   VALUE x"B3F5C3C7A388D011ABCB00A0C90FFFC0".

      *> FOUND CLASS: "Folders".
      *> (Class has no ProgID in the registry)
       78 CLSID-Folders   VALUE x"B4F5C3C7A388D011ABCB00A0C90FFFC0".

      *> FOUND CLASS: "File".
      *> (Class has no ProgID in the registry)
       78 CLSID-File-CBL   VALUE x"B5F5C3C7A388D011ABCB00A0C90FFFC0".

      *> FOUND CLASS: "Files".
      *> (Class has no ProgID in the registry)
       78 CLSID-Files   VALUE x"B6F5C3C7A388D011ABCB00A0C90FFFC0".

      *> FOUND CLASS: "TextStream".
      *> (Class has no ProgID in the registry)
       78 CLSID-TextStream   VALUE x"C02EB00B49EFCF11894000A0C9054228".

      *> FOUND CLASS: "Encoder".
      *> (Class has no ProgID in the registry)
       78 CLSID-Encoder   VALUE x"152BDA32EDCFD111B74700C04FC2B085".

      *> FOUND DISPINTERFACE: "IDictionary".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IDictionary    VALUE x"C142C642E197CF11978F00A02463E06F".
       01 IDictionary    pointer typedef.

      *> FOUND DISPINTERFACE: "IFileSystem".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IFileSystem    VALUE x"D0A3B50AB6E5D011ABF500A0C90FFFC0".
       01 IFileSystem    pointer typedef.

      *> FOUND DISPINTERFACE: "IDriveCollection".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IDriveCollection
                       VALUE x"A1F5C3C7A388D011ABCB00A0C90FFFC0".
       01 IDriveCollection    pointer typedef.

      *> FOUND DISPINTERFACE: "IDrive".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IDrive    VALUE x"A0F5C3C7A388D011ABCB00A0C90FFFC0".
       01 IDrive    pointer typedef.

      *> FOUND DISPINTERFACE: "IFolder".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IFolder    VALUE x"A2F5C3C7A388D011ABCB00A0C90FFFC0".
       01 IFolder    pointer typedef.

      *> FOUND DISPINTERFACE: "IFolderCollection".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IFolderCollection
                       VALUE x"A3F5C3C7A388D011ABCB00A0C90FFFC0".
       01 IFolderCollection    pointer typedef.

      *> FOUND DISPINTERFACE: "IFileCollection".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IFileCollection
                       VALUE x"A5F5C3C7A388D011ABCB00A0C90FFFC0".
       01 IFileCollection    pointer typedef.

      *> FOUND DISPINTERFACE: "IFile".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IFile    VALUE x"A4F5C3C7A388D011ABCB00A0C90FFFC0".
       01 IFile    pointer typedef.

      *> FOUND DISPINTERFACE: "ITextStream".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-ITextStream    VALUE x"C1D8BA5318E7CF11893D00A0C9054228".
       01 ITextStream    pointer typedef.

      *> FOUND DISPINTERFACE: "IFileSystem3".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IFileSystem3    VALUE x"109D0B2A874BD311A97A00104B365C9F".
       01 IFileSystem3    pointer typedef.

      *> FOUND DISPINTERFACE: "IScriptEncoder".
      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=
       78 IID-IScriptEncoder
                       VALUE x"F665DCAAF1CFD111B74700C04FC2B085".
       01 IScriptEncoder    pointer typedef.

