"""Chinese, Simplified (qorvix.chs). The table of one language: its glossary
first, then every source text with its translation (translate.py fills
qorvix_zh_CN.ts from it and checks it). Full-width punctuation in Chinese
text, buttons named in a help text in quotes ("单击“生成”"), and an
accelerator is a Latin letter in brackets after the text ("生成(&G)"), as
the platform's Chinese texts do."""

CODE = "zh_CN"
BRACKETED = True

# The terms, as the platform's Chinese texts use them. translate.py checks
# that a text which says the English term says one of these.
GLOSSARY = {
    "type library": "类型库",
    "interface": "接口",
    "dispinterface": ("调度接口", "自动化接口"),
    "automation": "自动化",
    "copy file": "COPY 文件",
    "class file": "类文件",
    "project": "项目",
    "registered": "注册",
}

TEXTS = {
    # Dialogs
    "About Pellarine": "关于 Pellarine",
    "QORVIX Version 1.0.17": "QORVIX 版本 1.0.17",
    "COBOL for COM type libraries.": "面向 COM 类型库的 COBOL。",
    "OK": "确定",
    "Pellarine": "Pellarine",
    "Contents of type library:": "类型库内容：",
    "COBOL": "COBOL",
    "Copy file:": "COPY 文件：",
    "&Browse...": "浏览(&B)...",
    "Add &file to project": "将文件添加到项目(&F)",
    "Generate &Interface Classes": "生成接口类(&I)",
    "Generate &Dual Interfaces": "生成双重接口(&D)",
    "&Generate": "生成(&G)",
    "Cancel": "取消",
    "COM (non-automation) support": "COM（非自动化）支持",
    "Select copy file": "选择 COPY 文件",
    "Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||": "COPY 文件 (*.cpy)|*.cpy|所有文件 (*.*)|*.*||",
    "Registered type libraries:": "已注册的类型库：",
    "&View...": "查看(&V)...",
    "&Refresh": "刷新(&R)",
    "Close": "关闭",
    "&Help": "帮助(&H)",
    "&Close": "关闭(&C)",
    "Select a type library": "选择类型库",
    "Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||":
        "类型库 (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|所有文件 (*.*)|*.*||",
    "&What's This?": "这是什么？(&W)",
    "qorvix Help": "qorvix 帮助",
    "&Yes": "是(&Y)",
    "&No": "否(&N)",
    # The desktop front end's console messages
    "%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)":
        "%1: 无法显示对话框：没有显示器（未设置 DISPLAY 和 WAYLAND_DISPLAY）",
    "%1: cannot show the dialogs: the display cannot be reached (%2)": "%1: 无法显示对话框：无法连接到显示器（%2）",
    "%1: cannot show the dialogs: %2":
        "%1: 无法显示对话框：%2",
    # Labels of the tree
    "Interfaces": "接口",
    "Automation Interfaces": "自动化接口",
    "Enumerations": "枚举",
    "Structures": "结构",
    "Modules": "模块",
    "CoClasses": "组件类",
    "Typedefs": "类型定义",
    "Unions": "联合",
    "Functions": "函数",
    "Methods": "方法",
    "Constants": "常量",
    "Properties": "属性",
    "Inherited Interfaces": "继承的接口",
    # Help topics
    "qorvix": "qorvix",
    "qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, "
    "class and interface identifiers and the invoke phrases of its methods, and on request one interface "
    "class file per interface. Pick a registered library in the list (View) or a file (Browse), look at "
    "its contents, choose the copy file and the options, and press Generate.":
        "qorvix 为 COM 类型库编写 COBOL 源代码：一个 COPY 文件，其中包含库中的类型、常量、类和接口的标识符"
        "以及其方法的 INVOKE 语句；根据需要，还为每个接口编写一个接口类文件。在列表中选择已注册的库"
        "（“查看”）或选择一个文件（“浏览”），查看其内容，选择 COPY 文件和选项，然后单击“生成”。",
    "Registered type libraries": "已注册的类型库",
    "The type libraries registered on this machine, one row per registered version: its description, its "
    "version and its library identifier (TLBID). Double-click a row to see its contents.":
        "此计算机上注册的类型库，每个注册的版本占一行：说明、版本和库标识符 (TLBID)。双击某一行可查看其"
        "内容。",
    "View": "查看",
    "Opens the selected type library and shows its contents, where you can generate COBOL for it.":
        "打开所选类型库并显示其内容，可在其中为它生成 COBOL。",
    "Browse": "浏览",
    "Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its "
    "contents.": "选择一个类型库文件（.tlb、.olb、.dll、.ocx）并显示其内容；该文件无需注册。",
    "Refresh": "刷新",
    "Reads the list of registered type libraries again.": "重新读取已注册类型库的列表。",
    "Ends the program.": "退出程序。",
    "Help": "帮助",
    "Opens the qorvix manual.": "打开 qorvix 手册。",
    "Contents of type library": "类型库内容",
    "The type library as a tree: its interfaces, automation interfaces, enumerations, structures, "
    "modules, component classes, typedefs and unions, and under each type its members. Press Enter to "
    "open or close the selected item.":
        "以树的形式显示类型库：接口、自动化接口、枚举、结构、模块、组件类、类型定义和联合，每个类型下是"
        "它的成员。按 Enter 键可展开或折叠所选项。",
    "Chooses the copy file to generate.": "选择要生成的 COPY 文件。",
    "Copy file": "COPY 文件",
    "The name of the copy file to generate. A name without a folder is written into the current folder; "
    "the interface class files are written beside the copy file.":
        "要生成的 COPY 文件的名称。不含文件夹的名称写入当前文件夹；接口类文件与 COPY 文件写在同一文件夹"
        "中。",
    "Add file to project": "将文件添加到项目",
    "Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to "
    "that project. Available when the IDE is installed.":
        "在 COBOL IDE 中打开的项目的目录中生成文件，并将 COPY 文件添加到该项目。安装了 IDE 时可用。",
    "Generate Interface Classes": "生成接口类",
    "Also writes one interface class file for each interface of the library, for calling interfaces "
    "that do not support automation.": "另外为库中的每个接口编写一个接口类文件，用于调用不支持自动化的接口。",
    "Generate Dual Interfaces": "生成双重接口",
    "Also writes interface class files for dual interfaces, which can otherwise be called through "
    "automation.": "也为双重接口编写接口类文件（双重接口本来也可以通过自动化调用）。",
    "Generate": "生成",
    "Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can "
    "generate again with other settings.": "编写 COPY 文件以及（如果已选择）接口类文件。对话框保持打开，因此可以使用其他设置再次生成。",
    "Closes the contents of the type library.": "关闭类型库内容。",
    # String table
    "&About qorvix...": "关于 qorvix(&A)...",
    "The file\n'%1'\nalready exists. Do you want to overwrite it?": "文件\n“%1”\n已存在。要覆盖它吗？",
    "The file\n'%1'\ncan not be written to. Please check the file name and path are correct and do not "
    "point to a read-only file.\n%2": "无法写入文件\n“%1”\n请检查文件名和路径是否正确，并且没有指向只读文件。\n%2",
    "The file\n'%1'\nis already open!": "文件\n“%1”\n已经打开！",
    "The type library could not be loaded.\n'%1': %2": "无法加载类型库。\n“%1”：%2",
    "All files will be generated in the project directory\n'%1'": "所有文件都将生成在项目目录中：\n“%1”",
    "No project found. Continue to generate files?": "未找到项目。是否继续生成文件？",
    "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface files\n  -p Add copy "
    "file to Orbanel project\n  -o<file> Copy file to generate":
        "用法: qorvix [-i[d]] [-p] [-o<文件>] <类型库>\n  -id 生成（双重）接口文件\n  -p 将 COPY 文件添加到 "
        "Orbanel 项目\n  -o<文件> 要生成的 COPY 文件",
    "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid options.":
        "选项“%1”不是有效的选项。\n使用 qorvix -? 可查看有效选项的列表。",
    "Description": "说明",
    "Ver": "版本",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has been left as it was.":
        "文件\n“%1”\n未能完整写入：%2\n该文件保持原样。",
    "Files not written: %1": "未写入的文件：%1",
    "answered OK (standard input is not a terminal)": "回答：确定（标准输入不是终端）",
    "answered Cancel (standard input is not a terminal)": "回答：取消（标准输入不是终端）",
    "answered Yes (standard input is not a terminal)": "回答：是（标准输入不是终端）",
    "answered No (standard input is not a terminal)": "回答：否（标准输入不是终端）",
    "Files not written for the same reason: %1": "因同一原因未写入的文件：%1",
    "Not a regular file": "不是普通文件",
    "The name holds a control character": "名称包含控制字符",
    # Answers: message box buttons, and on the terminal the marked letters.
    "Yes to &All": "全部是(&A)",
    "N&o to All": "全部否(&O)",
    "&OK": "确定(&O)",
    "&Cancel": "取消(&C)",
    "%1 (%2)": "%1 (%2)",
    "%1 [%2]? ": "%1 [%2]? ",
    "The file\n'%1'\nwas written completely by another run at the same time.\nThat run's file has been kept.":
        "文件\n“%1”\n已由同时运行的另一次生成完整写入。\n已保留那次生成写入的文件。",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has not been written.":
        "文件\n“%1”\n未能完整写入：%2\n该文件未写入。",
    # The reader's reasons a library cannot be loaded (message 105's %2)
    "the file is empty": "文件为空",
    "not a type library (unknown file signature)": "不是类型库（未知的文件签名）",
    "is a directory": "是文件夹",
    "is a named pipe, not a file": "是命名管道，不是文件",
    "is a socket, not a file": "是套接字，不是文件",
    "is a device, not a file": "是设备，不是文件",
    "not a regular file": "不是普通文件",
    "larger than %1 MiB; not read as a type library": "大于 %1 MiB；不作为类型库读取",
    "the file kept changing while it was read": "读取期间文件一直在变化",
    "the file is too short for an executable header": "文件太短，容不下可执行文件头",
    "the executable header points outside the file": "可执行文件头指向文件之外",
    "a 16-bit module, not supported": "16 位模块，不受支持",
    "not a Windows PE image": "不是 Windows PE 映像",
    "truncated PE header": "PE 头被截断",
    "unknown PE optional-header magic": "未知的 PE 可选头幻数",
    "truncated PE optional header": "PE 可选头被截断",
    "truncated PE data directory": "PE 数据目录被截断",
    "the PE section table runs past the end of the file": "PE 节表超出了文件末尾",
    "the resource directory lies outside the file": "资源目录位于文件之外",
    "the file has no TYPELIB resource %1": "文件没有 TYPELIB 资源 %1",
    "malformed resource directory": "资源目录格式错误",
    "malformed resource data entry": "资源数据项格式错误",
    "the TYPELIB resource lies outside the file": "TYPELIB 资源位于文件之外",
    "this is a .NET assembly; it contains no type library": "这是 .NET 程序集；其中不含类型库",
    "the file has no TYPELIB resource (it may be packed)": "文件没有 TYPELIB 资源（可能已被压缩）",
    "the TYPELIB resource holds neither an MSFT nor an SLTG type library":
        "TYPELIB 资源既不含 MSFT 类型库，也不含 SLTG 类型库",
    "truncated MSFT header": "MSFT 头被截断",
    "impossible type count": "类型数不合理",
    "a segment lies outside the library": "某个段位于库之外",
    "truncated SLTG header": "SLTG 头被截断",
    "truncated SLTG directory": "SLTG 目录被截断",
    "not an SLTG stream directory": "不是 SLTG 流目录",
    "the SLTG block chain is broken": "SLTG 块链已断开",
    "an SLTG block lies outside the library": "某个 SLTG 块位于库之外",
    "an SLTG block name is not terminated": "某个 SLTG 块名称未终止",
    "the SLTG block chain does not end with the library block": "SLTG 块链未以库块结尾",
    "bad SLTG library block": "SLTG 库块无效",
    "the SLTG type count is wrong": "SLTG 类型数不正确",
    "bad SLTG type entries": "SLTG 类型条目无效",
    "an SLTG type entry names the wrong block": "某个 SLTG 类型条目指向了错误的块",
    "unknown SLTG name-table preamble": "未知的 SLTG 名称表前导码",
    "the SLTG name table lies outside the library block": "SLTG 名称表位于库块之外",
    "no file is registered for this version": "没有为此版本注册文件",
    "no such file in the Wine prefix": "Wine 前缀中没有此文件",
    "no registry": "没有注册表",
}
