<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
    <context>
        <name>DesktopFrontEnd</name>
        <message>
            <source>%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
            <translation>%1: 대화 상자를 표시할 수 없습니다. 디스플레이가 없습니다(DISPLAY 및 WAYLAND_DISPLAY가 설정되지 않음).</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: the display cannot be reached (%2)</source>
            <translation>%1: 대화 상자를 표시할 수 없습니다. 디스플레이에 연결할 수 없습니다(%2).</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: %2</source>
            <translation>%1: 대화 상자를 표시할 수 없습니다. %2</translation>
        </message>
    </context>
    <context>
        <name>Help</name>
        <message>
            <source>qorvix</source>
            <translation>qorvix</translation>
        </message>
        <message>
            <source>qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, class and interface identifiers and the invoke phrases of its methods, and on request one interface class file per interface. Pick a registered library in the list (View) or a file (Browse), look at its contents, choose the copy file and the options, and press Generate.</source>
            <translation>qorvix는 COM 형식 라이브러리에 대한 COBOL 소스를 작성합니다. 라이브러리의 형식, 상수, 클래스 및 인터페이스 식별자, 메서드의 INVOKE 문이 들어 있는 COPY 파일을 작성하고, 요청하면 인터페이스마다 인터페이스 클래스 파일을 하나씩 작성합니다. 목록에서 등록된 라이브러리를 선택하거나([보기]) 파일을 선택하여([찾아보기]) 내용을 확인한 다음, COPY 파일과 옵션을 선택하고 [생성]을 누르십시오.</translation>
        </message>
        <message>
            <source>Registered type libraries</source>
            <translation>등록된 형식 라이브러리</translation>
        </message>
        <message>
            <source>The type libraries registered on this machine, one row per registered version: its description, its version and its library identifier (TLBID). Double-click a row to see its contents.</source>
            <translation>이 컴퓨터에 등록된 형식 라이브러리입니다. 등록된 버전마다 한 행에 설명, 버전, 라이브러리 식별자(TLBID)가 표시됩니다. 행을 두 번 클릭하면 내용을 볼 수 있습니다.</translation>
        </message>
        <message>
            <source>View</source>
            <translation>보기</translation>
        </message>
        <message>
            <source>Opens the selected type library and shows its contents, where you can generate COBOL for it.</source>
            <translation>선택한 형식 라이브러리를 열고 내용을 표시합니다. 여기에서 해당 라이브러리의 COBOL을 생성할 수 있습니다.</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>찾아보기</translation>
        </message>
        <message>
            <source>Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its contents.</source>
            <translation>형식 라이브러리 파일(.tlb, .olb, .dll, .ocx)을 선택하고 내용을 표시합니다. 이 파일은 등록되어 있지 않아도 됩니다.</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>새로 고침</translation>
        </message>
        <message>
            <source>Reads the list of registered type libraries again.</source>
            <translation>등록된 형식 라이브러리 목록을 다시 읽습니다.</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>닫기</translation>
        </message>
        <message>
            <source>Ends the program.</source>
            <translation>프로그램을 종료합니다.</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>도움말</translation>
        </message>
        <message>
            <source>Opens the qorvix manual.</source>
            <translation>qorvix 설명서를 엽니다.</translation>
        </message>
        <message>
            <source>Contents of type library</source>
            <translation>형식 라이브러리 내용</translation>
        </message>
        <message>
            <source>The type library as a tree: its interfaces, automation interfaces, enumerations, structures, modules, component classes, typedefs and unions, and under each type its members. Press Enter to open or close the selected item.</source>
            <translation>형식 라이브러리를 트리로 표시합니다. 인터페이스, 자동화 인터페이스, 열거형, 구조체, 모듈, 구성 요소 클래스, 형식 정의, 공용 구조체가 있고 각 형식 아래에 해당 멤버가 있습니다. 선택한 항목을 펼치거나 축소하려면 Enter 키를 누르십시오.</translation>
        </message>
        <message>
            <source>Chooses the copy file to generate.</source>
            <translation>생성할 COPY 파일을 선택합니다.</translation>
        </message>
        <message>
            <source>Copy file</source>
            <translation>COPY 파일</translation>
        </message>
        <message>
            <source>The name of the copy file to generate. A name without a folder is written into the current folder; the interface class files are written beside the copy file.</source>
            <translation>생성할 COPY 파일의 이름입니다. 폴더가 없는 이름은 현재 폴더에 작성되며, 인터페이스 클래스 파일은 COPY 파일과 같은 폴더에 작성됩니다.</translation>
        </message>
        <message>
            <source>Add file to project</source>
            <translation>프로젝트에 파일 추가</translation>
        </message>
        <message>
            <source>Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to that project. Available when the IDE is installed.</source>
            <translation>COBOL IDE에서 열려 있는 프로젝트의 디렉터리에 파일을 생성하고 COPY 파일을 해당 프로젝트에 추가합니다. IDE가 설치되어 있을 때 사용할 수 있습니다.</translation>
        </message>
        <message>
            <source>Generate Interface Classes</source>
            <translation>인터페이스 클래스 생성</translation>
        </message>
        <message>
            <source>Also writes one interface class file for each interface of the library, for calling interfaces that do not support automation.</source>
            <translation>자동화를 지원하지 않는 인터페이스를 호출할 수 있도록 라이브러리의 각 인터페이스에 대해 인터페이스 클래스 파일도 하나씩 작성합니다.</translation>
        </message>
        <message>
            <source>Generate Dual Interfaces</source>
            <translation>이중 인터페이스 생성</translation>
        </message>
        <message>
            <source>Also writes interface class files for dual interfaces, which can otherwise be called through automation.</source>
            <translation>이중 인터페이스에 대해서도 인터페이스 클래스 파일을 작성합니다. 이중 인터페이스는 이 파일이 없어도 자동화를 통해 호출할 수 있습니다.</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>생성</translation>
        </message>
        <message>
            <source>Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can generate again with other settings.</source>
            <translation>COPY 파일과, 선택한 경우 인터페이스 클래스 파일을 작성합니다. 대화 상자가 열린 채로 있으므로 다른 설정으로 다시 생성할 수 있습니다.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>Closes the contents of the type library.</source>
            <translation>형식 라이브러리 내용을 닫습니다.</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>OK</source>
            <translation>확인</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>예(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>아니요(&amp;N)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>모두 예(&amp;A)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>모두 아니요(&amp;O)</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>&amp;About qorvix...</source>
            <translation>qorvix 정보(&amp;A)...</translation>
        </message>
        <message>
            <source>The file
'%1'
already exists. Do you want to overwrite it?</source>
            <translation>다음 파일은
'%1'
이미 있습니다. 덮어쓰시겠습니까?</translation>
        </message>
        <message>
            <source>The file
'%1'
can not be written to. Please check the file name and path are correct and do not point to a read-only file.
%2</source>
            <translation>다음 파일에
'%1'
쓸 수 없습니다. 파일 이름과 경로가 올바르고 읽기 전용 파일을 가리키지 않는지 확인하십시오.
%2</translation>
        </message>
        <message>
            <source>The file
'%1'
is already open!</source>
            <translation>다음 파일은
'%1'
이미 열려 있습니다.</translation>
        </message>
        <message>
            <source>All files will be generated in the project directory
'%1'</source>
            <translation>모든 파일이 다음 프로젝트 디렉터리에 생성됩니다.
'%1'</translation>
        </message>
        <message>
            <source>No project found. Continue to generate files?</source>
            <translation>프로젝트를 찾을 수 없습니다. 파일 생성을 계속하시겠습니까?</translation>
        </message>
        <message>
            <source>Usage: qorvix [-i[d]] [-p] [-o&lt;file&gt;] &lt;typelib&gt;
  -id Generate (Dual) Interface files
  -p Add copy file to Orbanel project
  -o&lt;file&gt; Copy file to generate</source>
            <translation>사용법: qorvix [-i[d]] [-p] [-o&lt;파일&gt;] &lt;형식 라이브러리&gt;
  -id (이중) 인터페이스 파일 생성
  -p COPY 파일을 Orbanel 프로젝트에 추가
  -o&lt;파일&gt; 생성할 COPY 파일</translation>
        </message>
        <message>
            <source>The option '%1' is not a valid option.
Use qorvix -? to view a list of valid options.</source>
            <translation>'%1' 옵션은 올바른 옵션이 아닙니다.
올바른 옵션 목록을 보려면 qorvix -?를 사용하십시오.</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>설명</translation>
        </message>
        <message>
            <source>Ver</source>
            <translation>버전</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has been left as it was.</source>
            <translation>다음 파일을
'%1'
끝까지 쓰지 못했습니다: %2
파일은 원래 상태 그대로입니다.</translation>
        </message>
        <message>
            <source>Files not written: %1</source>
            <translation>쓰지 않은 파일: %1</translation>
        </message>
        <message>
            <source>answered OK (standard input is not a terminal)</source>
            <translation>응답: 확인(표준 입력이 터미널이 아님)</translation>
        </message>
        <message>
            <source>answered Cancel (standard input is not a terminal)</source>
            <translation>응답: 취소(표준 입력이 터미널이 아님)</translation>
        </message>
        <message>
            <source>answered Yes (standard input is not a terminal)</source>
            <translation>응답: 예(표준 입력이 터미널이 아님)</translation>
        </message>
        <message>
            <source>answered No (standard input is not a terminal)</source>
            <translation>응답: 아니요(표준 입력이 터미널이 아님)</translation>
        </message>
        <message>
            <source>Files not written for the same reason: %1</source>
            <translation>같은 이유로 쓰지 않은 파일: %1</translation>
        </message>
        <message>
            <source>Not a regular file</source>
            <translation>일반 파일이 아닙니다</translation>
        </message>
        <message>
            <source>The file
'%1'
was written completely by another run at the same time.
That run's file has been kept.</source>
            <translation>다음 파일은
'%1'
동시에 실행된 다른 작업이 끝까지 썼습니다.
그 작업의 파일이 유지되었습니다.</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has not been written.</source>
            <translation>다음 파일을
'%1'
끝까지 쓰지 못했습니다: %2
파일을 쓰지 않았습니다.</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>예(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>아니요(&amp;N)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>모두 예(&amp;A)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>모두 아니요(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>확인(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>취소(&amp;C)</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>%1 [%2]? </source>
            <translation>%1 [%2]? </translation>
        </message>
        <message>
            <source>The name holds a control character</source>
            <translation>이름에 제어 문자가 있습니다</translation>
        </message>
        <message>
            <source>The type library could not be loaded.
'%1': %2</source>
            <translation>형식 라이브러리를 로드할 수 없습니다.
'%1': %2</translation>
        </message>
        <message>
            <source>the file is empty</source>
            <translation>파일이 비어 있습니다</translation>
        </message>
        <message>
            <source>not a type library (unknown file signature)</source>
            <translation>형식 라이브러리가 아닙니다(알 수 없는 파일 서명)</translation>
        </message>
        <message>
            <source>is a directory</source>
            <translation>폴더입니다</translation>
        </message>
        <message>
            <source>is a named pipe, not a file</source>
            <translation>명명된 파이프이며 파일이 아닙니다</translation>
        </message>
        <message>
            <source>is a socket, not a file</source>
            <translation>소켓이며 파일이 아닙니다</translation>
        </message>
        <message>
            <source>is a device, not a file</source>
            <translation>장치이며 파일이 아닙니다</translation>
        </message>
        <message>
            <source>not a regular file</source>
            <translation>일반 파일이 아닙니다</translation>
        </message>
        <message>
            <source>larger than %1 MiB; not read as a type library</source>
            <translation>%1MiB보다 커서 형식 라이브러리로 읽지 않습니다</translation>
        </message>
        <message>
            <source>the file kept changing while it was read</source>
            <translation>읽는 동안 파일이 계속 바뀌었습니다</translation>
        </message>
        <message>
            <source>the file is too short for an executable header</source>
            <translation>실행 파일 헤더를 담기에는 파일이 너무 짧습니다</translation>
        </message>
        <message>
            <source>the executable header points outside the file</source>
            <translation>실행 파일 헤더가 파일 바깥을 가리킵니다</translation>
        </message>
        <message>
            <source>a 16-bit module, not supported</source>
            <translation>16비트 모듈이며 지원되지 않습니다</translation>
        </message>
        <message>
            <source>not a Windows PE image</source>
            <translation>Windows PE 이미지가 아닙니다</translation>
        </message>
        <message>
            <source>truncated PE header</source>
            <translation>PE 헤더가 잘렸습니다</translation>
        </message>
        <message>
            <source>unknown PE optional-header magic</source>
            <translation>PE 선택적 헤더의 매직 값을 알 수 없습니다</translation>
        </message>
        <message>
            <source>truncated PE optional header</source>
            <translation>PE 선택적 헤더가 잘렸습니다</translation>
        </message>
        <message>
            <source>truncated PE data directory</source>
            <translation>PE 데이터 디렉터리가 잘렸습니다</translation>
        </message>
        <message>
            <source>the PE section table runs past the end of the file</source>
            <translation>PE 섹션 테이블이 파일 끝을 넘어갑니다</translation>
        </message>
        <message>
            <source>the resource directory lies outside the file</source>
            <translation>리소스 디렉터리가 파일 바깥에 있습니다</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource %1</source>
            <translation>파일에 TYPELIB 리소스 %1이(가) 없습니다</translation>
        </message>
        <message>
            <source>malformed resource directory</source>
            <translation>리소스 디렉터리의 형식이 잘못되었습니다</translation>
        </message>
        <message>
            <source>malformed resource data entry</source>
            <translation>리소스 데이터 항목의 형식이 잘못되었습니다</translation>
        </message>
        <message>
            <source>the TYPELIB resource lies outside the file</source>
            <translation>TYPELIB 리소스가 파일 바깥에 있습니다</translation>
        </message>
        <message>
            <source>this is a .NET assembly; it contains no type library</source>
            <translation>.NET 어셈블리이며 형식 라이브러리가 들어 있지 않습니다</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource (it may be packed)</source>
            <translation>파일에 TYPELIB 리소스가 없습니다(압축되었을 수 있음)</translation>
        </message>
        <message>
            <source>the TYPELIB resource holds neither an MSFT nor an SLTG type library</source>
            <translation>TYPELIB 리소스에 MSFT 형식 라이브러리도 SLTG 형식 라이브러리도 들어 있지 않습니다</translation>
        </message>
        <message>
            <source>truncated MSFT header</source>
            <translation>MSFT 헤더가 잘렸습니다</translation>
        </message>
        <message>
            <source>impossible type count</source>
            <translation>형식 수가 있을 수 없는 값입니다</translation>
        </message>
        <message>
            <source>a segment lies outside the library</source>
            <translation>세그먼트가 라이브러리 바깥에 있습니다</translation>
        </message>
        <message>
            <source>truncated SLTG header</source>
            <translation>SLTG 헤더가 잘렸습니다</translation>
        </message>
        <message>
            <source>truncated SLTG directory</source>
            <translation>SLTG 디렉터리가 잘렸습니다</translation>
        </message>
        <message>
            <source>not an SLTG stream directory</source>
            <translation>SLTG 스트림 디렉터리가 아닙니다</translation>
        </message>
        <message>
            <source>the SLTG block chain is broken</source>
            <translation>SLTG 블록 체인이 끊어졌습니다</translation>
        </message>
        <message>
            <source>an SLTG block lies outside the library</source>
            <translation>SLTG 블록이 라이브러리 바깥에 있습니다</translation>
        </message>
        <message>
            <source>an SLTG block name is not terminated</source>
            <translation>SLTG 블록 이름이 종료되지 않았습니다</translation>
        </message>
        <message>
            <source>the SLTG block chain does not end with the library block</source>
            <translation>SLTG 블록 체인이 라이브러리 블록으로 끝나지 않습니다</translation>
        </message>
        <message>
            <source>bad SLTG library block</source>
            <translation>SLTG 라이브러리 블록이 잘못되었습니다</translation>
        </message>
        <message>
            <source>the SLTG type count is wrong</source>
            <translation>SLTG 형식 수가 잘못되었습니다</translation>
        </message>
        <message>
            <source>bad SLTG type entries</source>
            <translation>SLTG 형식 항목이 잘못되었습니다</translation>
        </message>
        <message>
            <source>an SLTG type entry names the wrong block</source>
            <translation>SLTG 형식 항목이 잘못된 블록을 가리킵니다</translation>
        </message>
        <message>
            <source>unknown SLTG name-table preamble</source>
            <translation>SLTG 이름 테이블의 프리앰블을 알 수 없습니다</translation>
        </message>
        <message>
            <source>the SLTG name table lies outside the library block</source>
            <translation>SLTG 이름 테이블이 라이브러리 블록 바깥에 있습니다</translation>
        </message>
        <message>
            <source>no file is registered for this version</source>
            <translation>이 버전에 등록된 파일이 없습니다</translation>
        </message>
        <message>
            <source>no such file in the Wine prefix</source>
            <translation>Wine 접두사에 해당 파일이 없습니다</translation>
        </message>
        <message>
            <source>no registry</source>
            <translation>레지스트리가 없습니다</translation>
        </message>
    </context>
    <context>
        <name>TreeLabels</name>
        <message>
            <source>Interfaces</source>
            <translation>인터페이스</translation>
        </message>
        <message>
            <source>Automation Interfaces</source>
            <translation>자동화 인터페이스</translation>
        </message>
        <message>
            <source>Enumerations</source>
            <translation>열거형</translation>
        </message>
        <message>
            <source>Structures</source>
            <translation>구조체</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>모듈</translation>
        </message>
        <message>
            <source>CoClasses</source>
            <translation>구성 요소 클래스</translation>
        </message>
        <message>
            <source>Typedefs</source>
            <translation>형식 정의</translation>
        </message>
        <message>
            <source>Unions</source>
            <translation>공용 구조체</translation>
        </message>
        <message>
            <source>Functions</source>
            <translation>함수</translation>
        </message>
        <message>
            <source>Methods</source>
            <translation>메서드</translation>
        </message>
        <message>
            <source>Constants</source>
            <translation>상수</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>속성</translation>
        </message>
        <message>
            <source>Inherited Interfaces</source>
            <translation>상속된 인터페이스</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CAboutDlg</name>
        <message>
            <source>About Pellarine</source>
            <translation>Pellarine 정보</translation>
        </message>
        <message>
            <source>QORVIX Version 1.0.17</source>
            <translation>QORVIX 버전 1.0.17</translation>
        </message>
        <message>
            <source>COBOL for COM type libraries.</source>
            <translation>COM 형식 라이브러리용 COBOL.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>확인</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CContentsDlg</name>
        <message>
            <source>Pellarine</source>
            <translation>Pellarine</translation>
        </message>
        <message>
            <source>Contents of type library:</source>
            <translation>형식 라이브러리 내용:</translation>
        </message>
        <message>
            <source>COBOL</source>
            <translation>COBOL</translation>
        </message>
        <message>
            <source>Copy file:</source>
            <translation>COPY 파일:</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>찾아보기(&amp;B)...</translation>
        </message>
        <message>
            <source>Add &amp;file to project</source>
            <translation>프로젝트에 파일 추가(&amp;F)</translation>
        </message>
        <message>
            <source>Generate &amp;Interface Classes</source>
            <translation>인터페이스 클래스 생성(&amp;I)</translation>
        </message>
        <message>
            <source>Generate &amp;Dual Interfaces</source>
            <translation>이중 인터페이스 생성(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Generate</source>
            <translation>생성(&amp;G)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>COM (non-automation) support</source>
            <translation>COM(비자동화) 지원</translation>
        </message>
        <message>
            <source>Select copy file</source>
            <translation>COPY 파일 선택</translation>
        </message>
        <message>
            <source>Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||</source>
            <translation>COPY 파일 (*.cpy)|*.cpy|모든 파일 (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CLibraryListDlg</name>
        <message>
            <source>Pellarine</source>
            <translation>Pellarine</translation>
        </message>
        <message>
            <source>Registered type libraries:</source>
            <translation>등록된 형식 라이브러리:</translation>
        </message>
        <message>
            <source>&amp;View...</source>
            <translation>보기(&amp;V)...</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>찾아보기(&amp;B)...</translation>
        </message>
        <message>
            <source>&amp;Refresh</source>
            <translation>새로 고침(&amp;R)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>닫기</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>도움말(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>닫기(&amp;C)</translation>
        </message>
        <message>
            <source>Select a type library</source>
            <translation>형식 라이브러리 선택</translation>
        </message>
        <message>
            <source>Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||</source>
            <translation>형식 라이브러리 (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|모든 파일 (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::Help</name>
        <message>
            <source>&amp;What's This?</source>
            <translation>설명(&amp;W)</translation>
        </message>
        <message>
            <source>qorvix Help</source>
            <translation>qorvix 도움말</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>닫기</translation>
        </message>
    </context>
</TS>
