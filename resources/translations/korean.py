"""Korean (qorvix.kor). The table of one language: its glossary first, then
every source text with its translation (translate.py fills qorvix_ko.ts
from it and checks it). Help texts in the formal style (-ㅂ니다), buttons
named in a help text stand in brackets ("[생성]"), and an accelerator is a
Latin letter in brackets after the text ("생성(&G)"), as the platform's
Korean texts do."""

CODE = "ko"
BRACKETED = True

# The terms, as the platform's Korean texts use them. translate.py checks
# that a text which says the English term says one of these.
GLOSSARY = {
    "type library": "형식 라이브러리",
    "interface": "인터페이스",
    "dispinterface": ("디스패치 인터페이스", "자동화 인터페이스"),
    "automation": "자동화",
    "copy file": "COPY 파일",
    "class file": "클래스 파일",
    "project": "프로젝트",
    "registered": "등록",
}

TEXTS = {
    # Dialogs
    "About Pellarine": "Pellarine 정보",
    "QORVIX Version 1.0.17": "QORVIX 버전 1.0.17",
    "COBOL for COM type libraries.": "COM 형식 라이브러리용 COBOL.",
    "OK": "확인",
    "Pellarine": "Pellarine",
    "Contents of type library:": "형식 라이브러리 내용:",
    "COBOL": "COBOL",
    "Copy file:": "COPY 파일:",
    "&Browse...": "찾아보기(&B)...",
    "Add &file to project": "프로젝트에 파일 추가(&F)",
    "Generate &Interface Classes": "인터페이스 클래스 생성(&I)",
    "Generate &Dual Interfaces": "이중 인터페이스 생성(&D)",
    "&Generate": "생성(&G)",
    "Cancel": "취소",
    "COM (non-automation) support": "COM(비자동화) 지원",
    "Select copy file": "COPY 파일 선택",
    "Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||": "COPY 파일 (*.cpy)|*.cpy|모든 파일 (*.*)|*.*||",
    "Registered type libraries:": "등록된 형식 라이브러리:",
    "&View...": "보기(&V)...",
    "&Refresh": "새로 고침(&R)",
    "Close": "닫기",
    "&Help": "도움말(&H)",
    "&Close": "닫기(&C)",
    "Select a type library": "형식 라이브러리 선택",
    "Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||":
        "형식 라이브러리 (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|모든 파일 (*.*)|*.*||",
    "&What's This?": "설명(&W)",
    "qorvix Help": "qorvix 도움말",
    "&Yes": "예(&Y)",
    "&No": "아니요(&N)",
    # The desktop front end's console messages
    "%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)":
        "%1: 대화 상자를 표시할 수 없습니다. 디스플레이가 없습니다(DISPLAY 및 WAYLAND_DISPLAY가 "
        "설정되지 않음).",
    "%1: cannot show the dialogs: the display cannot be reached (%2)":
        "%1: 대화 상자를 표시할 수 없습니다. 디스플레이에 연결할 수 없습니다(%2).",
    "%1: cannot show the dialogs: %2":
        "%1: 대화 상자를 표시할 수 없습니다. %2",
    # Labels of the tree
    "Interfaces": "인터페이스",
    "Automation Interfaces": "자동화 인터페이스",
    "Enumerations": "열거형",
    "Structures": "구조체",
    "Modules": "모듈",
    "CoClasses": "구성 요소 클래스",
    "Typedefs": "형식 정의",
    "Unions": "공용 구조체",
    "Functions": "함수",
    "Methods": "메서드",
    "Constants": "상수",
    "Properties": "속성",
    "Inherited Interfaces": "상속된 인터페이스",
    # Help topics
    "qorvix": "qorvix",
    "qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, "
    "class and interface identifiers and the invoke phrases of its methods, and on request one interface "
    "class file per interface. Pick a registered library in the list (View) or a file (Browse), look at "
    "its contents, choose the copy file and the options, and press Generate.":
        "qorvix는 COM 형식 라이브러리에 대한 COBOL 소스를 작성합니다. 라이브러리의 형식, 상수, "
        "클래스 및 인터페이스 식별자, 메서드의 INVOKE 문이 들어 있는 COPY 파일을 작성하고, 요청하면 "
        "인터페이스마다 인터페이스 클래스 파일을 하나씩 작성합니다. 목록에서 등록된 라이브러리를 "
        "선택하거나([보기]) 파일을 선택하여([찾아보기]) 내용을 확인한 다음, COPY 파일과 옵션을 "
        "선택하고 [생성]을 누르십시오.",
    "Registered type libraries": "등록된 형식 라이브러리",
    "The type libraries registered on this machine, one row per registered version: its description, its "
    "version and its library identifier (TLBID). Double-click a row to see its contents.":
        "이 컴퓨터에 등록된 형식 라이브러리입니다. 등록된 버전마다 한 행에 설명, 버전, 라이브러리 "
        "식별자(TLBID)가 표시됩니다. 행을 두 번 클릭하면 내용을 볼 수 있습니다.",
    "View": "보기",
    "Opens the selected type library and shows its contents, where you can generate COBOL for it.":
        "선택한 형식 라이브러리를 열고 내용을 표시합니다. 여기에서 해당 라이브러리의 COBOL을 생성할 수 "
        "있습니다.",
    "Browse": "찾아보기",
    "Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its "
    "contents.":
        "형식 라이브러리 파일(.tlb, .olb, .dll, .ocx)을 선택하고 내용을 표시합니다. 이 파일은 등록되어 "
        "있지 않아도 됩니다.",
    "Refresh": "새로 고침",
    "Reads the list of registered type libraries again.": "등록된 형식 라이브러리 목록을 다시 읽습니다.",
    "Ends the program.": "프로그램을 종료합니다.",
    "Help": "도움말",
    "Opens the qorvix manual.": "qorvix 설명서를 엽니다.",
    "Contents of type library": "형식 라이브러리 내용",
    "The type library as a tree: its interfaces, automation interfaces, enumerations, structures, "
    "modules, component classes, typedefs and unions, and under each type its members. Press Enter to "
    "open or close the selected item.":
        "형식 라이브러리를 트리로 표시합니다. 인터페이스, 자동화 인터페이스, 열거형, 구조체, 모듈, "
        "구성 요소 클래스, 형식 정의, 공용 구조체가 있고 각 형식 아래에 해당 멤버가 있습니다. 선택한 "
        "항목을 펼치거나 축소하려면 Enter 키를 누르십시오.",
    "Chooses the copy file to generate.": "생성할 COPY 파일을 선택합니다.",
    "Copy file": "COPY 파일",
    "The name of the copy file to generate. A name without a folder is written into the current folder; "
    "the interface class files are written beside the copy file.":
        "생성할 COPY 파일의 이름입니다. 폴더가 없는 이름은 현재 폴더에 작성되며, 인터페이스 클래스 "
        "파일은 COPY 파일과 같은 폴더에 작성됩니다.",
    "Add file to project": "프로젝트에 파일 추가",
    "Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to "
    "that project. Available when the IDE is installed.":
        "COBOL IDE에서 열려 있는 프로젝트의 디렉터리에 파일을 생성하고 COPY 파일을 해당 프로젝트에 "
        "추가합니다. IDE가 설치되어 있을 때 사용할 수 있습니다.",
    "Generate Interface Classes": "인터페이스 클래스 생성",
    "Also writes one interface class file for each interface of the library, for calling interfaces "
    "that do not support automation.":
        "자동화를 지원하지 않는 인터페이스를 호출할 수 있도록 라이브러리의 각 인터페이스에 대해 "
        "인터페이스 클래스 파일도 하나씩 작성합니다.",
    "Generate Dual Interfaces": "이중 인터페이스 생성",
    "Also writes interface class files for dual interfaces, which can otherwise be called through "
    "automation.":
        "이중 인터페이스에 대해서도 인터페이스 클래스 파일을 작성합니다. 이중 인터페이스는 이 파일이 "
        "없어도 자동화를 통해 호출할 수 있습니다.",
    "Generate": "생성",
    "Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can "
    "generate again with other settings.":
        "COPY 파일과, 선택한 경우 인터페이스 클래스 파일을 작성합니다. 대화 상자가 열린 채로 있으므로 "
        "다른 설정으로 다시 생성할 수 있습니다.",
    "Closes the contents of the type library.": "형식 라이브러리 내용을 닫습니다.",
    # String table
    "&About qorvix...": "qorvix 정보(&A)...",
    "The file\n'%1'\nalready exists. Do you want to overwrite it?":
        "다음 파일은\n'%1'\n이미 있습니다. 덮어쓰시겠습니까?",
    "The file\n'%1'\ncan not be written to. Please check the file name and path are correct and do not "
    "point to a read-only file.\n%2":
        "다음 파일에\n'%1'\n쓸 수 없습니다. 파일 이름과 경로가 올바르고 읽기 전용 파일을 가리키지 않는지 "
        "확인하십시오.\n%2",
    "The file\n'%1'\nis already open!": "다음 파일은\n'%1'\n이미 열려 있습니다.",
    "The type library could not be loaded.\n'%1': %2": "형식 라이브러리를 로드할 수 없습니다.\n'%1': %2",
    "All files will be generated in the project directory\n'%1'":
        "모든 파일이 다음 프로젝트 디렉터리에 생성됩니다.\n'%1'",
    "No project found. Continue to generate files?": "프로젝트를 찾을 수 없습니다. 파일 생성을 계속하시겠습니까?",
    "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface files\n  -p Add copy "
    "file to Orbanel project\n  -o<file> Copy file to generate":
        "사용법: qorvix [-i[d]] [-p] [-o<파일>] <형식 라이브러리>\n  -id (이중) 인터페이스 파일 생성\n"
        "  -p COPY 파일을 Orbanel 프로젝트에 추가\n  -o<파일> 생성할 COPY 파일",
    "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid options.":
        "'%1' 옵션은 올바른 옵션이 아닙니다.\n올바른 옵션 목록을 보려면 qorvix -?를 사용하십시오.",
    "Description": "설명",
    "Ver": "버전",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has been left as it was.":
        "다음 파일을\n'%1'\n끝까지 쓰지 못했습니다: %2\n파일은 원래 상태 그대로입니다.",
    "Files not written: %1": "쓰지 않은 파일: %1",
    "answered OK (standard input is not a terminal)": "응답: 확인(표준 입력이 터미널이 아님)",
    "answered Cancel (standard input is not a terminal)": "응답: 취소(표준 입력이 터미널이 아님)",
    "answered Yes (standard input is not a terminal)": "응답: 예(표준 입력이 터미널이 아님)",
    "answered No (standard input is not a terminal)": "응답: 아니요(표준 입력이 터미널이 아님)",
    "Files not written for the same reason: %1": "같은 이유로 쓰지 않은 파일: %1",
    "Not a regular file": "일반 파일이 아닙니다",
    "The name holds a control character": "이름에 제어 문자가 있습니다",
    # Answers: message box buttons, and on the terminal the marked letters.
    "Yes to &All": "모두 예(&A)",
    "N&o to All": "모두 아니요(&O)",
    "&OK": "확인(&O)",
    "&Cancel": "취소(&C)",
    "%1 (%2)": "%1 (%2)",
    "%1 [%2]? ": "%1 [%2]? ",
    "The file\n'%1'\nwas written completely by another run at the same time.\nThat run's file has been kept.":
        "다음 파일은\n'%1'\n동시에 실행된 다른 작업이 끝까지 썼습니다.\n그 작업의 파일이 유지되었습니다.",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has not been written.":
        "다음 파일을\n'%1'\n끝까지 쓰지 못했습니다: %2\n파일을 쓰지 않았습니다.",
    # The reader's reasons a library cannot be loaded (message 105's %2)
    "the file is empty": "파일이 비어 있습니다",
    "not a type library (unknown file signature)": "형식 라이브러리가 아닙니다(알 수 없는 파일 서명)",
    "is a directory": "폴더입니다",
    "is a named pipe, not a file": "명명된 파이프이며 파일이 아닙니다",
    "is a socket, not a file": "소켓이며 파일이 아닙니다",
    "is a device, not a file": "장치이며 파일이 아닙니다",
    "not a regular file": "일반 파일이 아닙니다",
    "larger than %1 MiB; not read as a type library": "%1MiB보다 커서 형식 라이브러리로 읽지 않습니다",
    "the file kept changing while it was read": "읽는 동안 파일이 계속 바뀌었습니다",
    "the file is too short for an executable header": "실행 파일 헤더를 담기에는 파일이 너무 짧습니다",
    "the executable header points outside the file": "실행 파일 헤더가 파일 바깥을 가리킵니다",
    "a 16-bit module, not supported": "16비트 모듈이며 지원되지 않습니다",
    "not a Windows PE image": "Windows PE 이미지가 아닙니다",
    "truncated PE header": "PE 헤더가 잘렸습니다",
    "unknown PE optional-header magic": "PE 선택적 헤더의 매직 값을 알 수 없습니다",
    "truncated PE optional header": "PE 선택적 헤더가 잘렸습니다",
    "truncated PE data directory": "PE 데이터 디렉터리가 잘렸습니다",
    "the PE section table runs past the end of the file": "PE 섹션 테이블이 파일 끝을 넘어갑니다",
    "the resource directory lies outside the file": "리소스 디렉터리가 파일 바깥에 있습니다",
    "the file has no TYPELIB resource %1": "파일에 TYPELIB 리소스 %1이(가) 없습니다",
    "malformed resource directory": "리소스 디렉터리의 형식이 잘못되었습니다",
    "malformed resource data entry": "리소스 데이터 항목의 형식이 잘못되었습니다",
    "the TYPELIB resource lies outside the file": "TYPELIB 리소스가 파일 바깥에 있습니다",
    "this is a .NET assembly; it contains no type library": ".NET 어셈블리이며 형식 라이브러리가 들어 있지 않습니다",
    "the file has no TYPELIB resource (it may be packed)": "파일에 TYPELIB 리소스가 없습니다(압축되었을 수 있음)",
    "the TYPELIB resource holds neither an MSFT nor an SLTG type library":
        "TYPELIB 리소스에 MSFT 형식 라이브러리도 SLTG 형식 라이브러리도 들어 있지 않습니다",
    "truncated MSFT header": "MSFT 헤더가 잘렸습니다",
    "impossible type count": "형식 수가 있을 수 없는 값입니다",
    "a segment lies outside the library": "세그먼트가 라이브러리 바깥에 있습니다",
    "truncated SLTG header": "SLTG 헤더가 잘렸습니다",
    "truncated SLTG directory": "SLTG 디렉터리가 잘렸습니다",
    "not an SLTG stream directory": "SLTG 스트림 디렉터리가 아닙니다",
    "the SLTG block chain is broken": "SLTG 블록 체인이 끊어졌습니다",
    "an SLTG block lies outside the library": "SLTG 블록이 라이브러리 바깥에 있습니다",
    "an SLTG block name is not terminated": "SLTG 블록 이름이 종료되지 않았습니다",
    "the SLTG block chain does not end with the library block": "SLTG 블록 체인이 라이브러리 블록으로 끝나지 않습니다",
    "bad SLTG library block": "SLTG 라이브러리 블록이 잘못되었습니다",
    "the SLTG type count is wrong": "SLTG 형식 수가 잘못되었습니다",
    "bad SLTG type entries": "SLTG 형식 항목이 잘못되었습니다",
    "an SLTG type entry names the wrong block": "SLTG 형식 항목이 잘못된 블록을 가리킵니다",
    "unknown SLTG name-table preamble": "SLTG 이름 테이블의 프리앰블을 알 수 없습니다",
    "the SLTG name table lies outside the library block": "SLTG 이름 테이블이 라이브러리 블록 바깥에 있습니다",
    "no file is registered for this version": "이 버전에 등록된 파일이 없습니다",
    "no such file in the Wine prefix": "Wine 접두사에 해당 파일이 없습니다",
    "no registry": "레지스트리가 없습니다",
}
