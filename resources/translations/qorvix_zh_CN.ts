<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
    <context>
        <name>DesktopFrontEnd</name>
        <message>
            <source>%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
            <translation>%1: 无法显示对话框：没有显示器（未设置 DISPLAY 和 WAYLAND_DISPLAY）</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: the display cannot be reached (%2)</source>
            <translation>%1: 无法显示对话框：无法连接到显示器（%2）</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: %2</source>
            <translation>%1: 无法显示对话框：%2</translation>
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
            <translation>qorvix 为 COM 类型库编写 COBOL 源代码：一个 COPY 文件，其中包含库中的类型、常量、类和接口的标识符以及其方法的 INVOKE 语句；根据需要，还为每个接口编写一个接口类文件。在列表中选择已注册的库（“查看”）或选择一个文件（“浏览”），查看其内容，选择 COPY 文件和选项，然后单击“生成”。</translation>
        </message>
        <message>
            <source>Registered type libraries</source>
            <translation>已注册的类型库</translation>
        </message>
        <message>
            <source>The type libraries registered on this machine, one row per registered version: its description, its version and its library identifier (TLBID). Double-click a row to see its contents.</source>
            <translation>此计算机上注册的类型库，每个注册的版本占一行：说明、版本和库标识符 (TLBID)。双击某一行可查看其内容。</translation>
        </message>
        <message>
            <source>View</source>
            <translation>查看</translation>
        </message>
        <message>
            <source>Opens the selected type library and shows its contents, where you can generate COBOL for it.</source>
            <translation>打开所选类型库并显示其内容，可在其中为它生成 COBOL。</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>浏览</translation>
        </message>
        <message>
            <source>Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its contents.</source>
            <translation>选择一个类型库文件（.tlb、.olb、.dll、.ocx）并显示其内容；该文件无需注册。</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>刷新</translation>
        </message>
        <message>
            <source>Reads the list of registered type libraries again.</source>
            <translation>重新读取已注册类型库的列表。</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Ends the program.</source>
            <translation>退出程序。</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>帮助</translation>
        </message>
        <message>
            <source>Opens the qorvix manual.</source>
            <translation>打开 qorvix 手册。</translation>
        </message>
        <message>
            <source>Contents of type library</source>
            <translation>类型库内容</translation>
        </message>
        <message>
            <source>The type library as a tree: its interfaces, automation interfaces, enumerations, structures, modules, component classes, typedefs and unions, and under each type its members. Press Enter to open or close the selected item.</source>
            <translation>以树的形式显示类型库：接口、自动化接口、枚举、结构、模块、组件类、类型定义和联合，每个类型下是它的成员。按 Enter 键可展开或折叠所选项。</translation>
        </message>
        <message>
            <source>Chooses the copy file to generate.</source>
            <translation>选择要生成的 COPY 文件。</translation>
        </message>
        <message>
            <source>Copy file</source>
            <translation>COPY 文件</translation>
        </message>
        <message>
            <source>The name of the copy file to generate. A name without a folder is written into the current folder; the interface class files are written beside the copy file.</source>
            <translation>要生成的 COPY 文件的名称。不含文件夹的名称写入当前文件夹；接口类文件与 COPY 文件写在同一文件夹中。</translation>
        </message>
        <message>
            <source>Add file to project</source>
            <translation>将文件添加到项目</translation>
        </message>
        <message>
            <source>Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to that project. Available when the IDE is installed.</source>
            <translation>在 COBOL IDE 中打开的项目的目录中生成文件，并将 COPY 文件添加到该项目。安装了 IDE 时可用。</translation>
        </message>
        <message>
            <source>Generate Interface Classes</source>
            <translation>生成接口类</translation>
        </message>
        <message>
            <source>Also writes one interface class file for each interface of the library, for calling interfaces that do not support automation.</source>
            <translation>另外为库中的每个接口编写一个接口类文件，用于调用不支持自动化的接口。</translation>
        </message>
        <message>
            <source>Generate Dual Interfaces</source>
            <translation>生成双重接口</translation>
        </message>
        <message>
            <source>Also writes interface class files for dual interfaces, which can otherwise be called through automation.</source>
            <translation>也为双重接口编写接口类文件（双重接口本来也可以通过自动化调用）。</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>生成</translation>
        </message>
        <message>
            <source>Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can generate again with other settings.</source>
            <translation>编写 COPY 文件以及（如果已选择）接口类文件。对话框保持打开，因此可以使用其他设置再次生成。</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Closes the contents of the type library.</source>
            <translation>关闭类型库内容。</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>是(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>否(&amp;N)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>全部是(&amp;A)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>全部否(&amp;O)</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>&amp;About qorvix...</source>
            <translation>关于 qorvix(&amp;A)...</translation>
        </message>
        <message>
            <source>The file
'%1'
already exists. Do you want to overwrite it?</source>
            <translation>文件
“%1”
已存在。要覆盖它吗？</translation>
        </message>
        <message>
            <source>The file
'%1'
can not be written to. Please check the file name and path are correct and do not point to a read-only file.
%2</source>
            <translation>无法写入文件
“%1”
请检查文件名和路径是否正确，并且没有指向只读文件。
%2</translation>
        </message>
        <message>
            <source>The file
'%1'
is already open!</source>
            <translation>文件
“%1”
已经打开！</translation>
        </message>
        <message>
            <source>All files will be generated in the project directory
'%1'</source>
            <translation>所有文件都将生成在项目目录中：
“%1”</translation>
        </message>
        <message>
            <source>No project found. Continue to generate files?</source>
            <translation>未找到项目。是否继续生成文件？</translation>
        </message>
        <message>
            <source>Usage: qorvix [-i[d]] [-p] [-o&lt;file&gt;] &lt;typelib&gt;
  -id Generate (Dual) Interface files
  -p Add copy file to Orbanel project
  -o&lt;file&gt; Copy file to generate</source>
            <translation>用法: qorvix [-i[d]] [-p] [-o&lt;文件&gt;] &lt;类型库&gt;
  -id 生成（双重）接口文件
  -p 将 COPY 文件添加到 Orbanel 项目
  -o&lt;文件&gt; 要生成的 COPY 文件</translation>
        </message>
        <message>
            <source>The option '%1' is not a valid option.
Use qorvix -? to view a list of valid options.</source>
            <translation>选项“%1”不是有效的选项。
使用 qorvix -? 可查看有效选项的列表。</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>说明</translation>
        </message>
        <message>
            <source>Ver</source>
            <translation>版本</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has been left as it was.</source>
            <translation>文件
“%1”
未能完整写入：%2
该文件保持原样。</translation>
        </message>
        <message>
            <source>Files not written: %1</source>
            <translation>未写入的文件：%1</translation>
        </message>
        <message>
            <source>answered OK (standard input is not a terminal)</source>
            <translation>回答：确定（标准输入不是终端）</translation>
        </message>
        <message>
            <source>answered Cancel (standard input is not a terminal)</source>
            <translation>回答：取消（标准输入不是终端）</translation>
        </message>
        <message>
            <source>answered Yes (standard input is not a terminal)</source>
            <translation>回答：是（标准输入不是终端）</translation>
        </message>
        <message>
            <source>answered No (standard input is not a terminal)</source>
            <translation>回答：否（标准输入不是终端）</translation>
        </message>
        <message>
            <source>Files not written for the same reason: %1</source>
            <translation>因同一原因未写入的文件：%1</translation>
        </message>
        <message>
            <source>Not a regular file</source>
            <translation>不是普通文件</translation>
        </message>
        <message>
            <source>The file
'%1'
was written completely by another run at the same time.
That run's file has been kept.</source>
            <translation>文件
“%1”
已由同时运行的另一次生成完整写入。
已保留那次生成写入的文件。</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has not been written.</source>
            <translation>文件
“%1”
未能完整写入：%2
该文件未写入。</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>是(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>否(&amp;N)</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>全部是(&amp;A)</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>全部否(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>确定(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>取消(&amp;C)</translation>
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
            <translation>名称包含控制字符</translation>
        </message>
        <message>
            <source>The type library could not be loaded.
'%1': %2</source>
            <translation>无法加载类型库。
“%1”：%2</translation>
        </message>
        <message>
            <source>the file is empty</source>
            <translation>文件为空</translation>
        </message>
        <message>
            <source>not a type library (unknown file signature)</source>
            <translation>不是类型库（未知的文件签名）</translation>
        </message>
        <message>
            <source>is a directory</source>
            <translation>是文件夹</translation>
        </message>
        <message>
            <source>is a named pipe, not a file</source>
            <translation>是命名管道，不是文件</translation>
        </message>
        <message>
            <source>is a socket, not a file</source>
            <translation>是套接字，不是文件</translation>
        </message>
        <message>
            <source>is a device, not a file</source>
            <translation>是设备，不是文件</translation>
        </message>
        <message>
            <source>not a regular file</source>
            <translation>不是普通文件</translation>
        </message>
        <message>
            <source>larger than %1 MiB; not read as a type library</source>
            <translation>大于 %1 MiB；不作为类型库读取</translation>
        </message>
        <message>
            <source>the file kept changing while it was read</source>
            <translation>读取期间文件一直在变化</translation>
        </message>
        <message>
            <source>the file is too short for an executable header</source>
            <translation>文件太短，容不下可执行文件头</translation>
        </message>
        <message>
            <source>the executable header points outside the file</source>
            <translation>可执行文件头指向文件之外</translation>
        </message>
        <message>
            <source>a 16-bit module, not supported</source>
            <translation>16 位模块，不受支持</translation>
        </message>
        <message>
            <source>not a Windows PE image</source>
            <translation>不是 Windows PE 映像</translation>
        </message>
        <message>
            <source>truncated PE header</source>
            <translation>PE 头被截断</translation>
        </message>
        <message>
            <source>unknown PE optional-header magic</source>
            <translation>未知的 PE 可选头幻数</translation>
        </message>
        <message>
            <source>truncated PE optional header</source>
            <translation>PE 可选头被截断</translation>
        </message>
        <message>
            <source>truncated PE data directory</source>
            <translation>PE 数据目录被截断</translation>
        </message>
        <message>
            <source>the PE section table runs past the end of the file</source>
            <translation>PE 节表超出了文件末尾</translation>
        </message>
        <message>
            <source>the resource directory lies outside the file</source>
            <translation>资源目录位于文件之外</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource %1</source>
            <translation>文件没有 TYPELIB 资源 %1</translation>
        </message>
        <message>
            <source>malformed resource directory</source>
            <translation>资源目录格式错误</translation>
        </message>
        <message>
            <source>malformed resource data entry</source>
            <translation>资源数据项格式错误</translation>
        </message>
        <message>
            <source>the TYPELIB resource lies outside the file</source>
            <translation>TYPELIB 资源位于文件之外</translation>
        </message>
        <message>
            <source>this is a .NET assembly; it contains no type library</source>
            <translation>这是 .NET 程序集；其中不含类型库</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource (it may be packed)</source>
            <translation>文件没有 TYPELIB 资源（可能已被压缩）</translation>
        </message>
        <message>
            <source>the TYPELIB resource holds neither an MSFT nor an SLTG type library</source>
            <translation>TYPELIB 资源既不含 MSFT 类型库，也不含 SLTG 类型库</translation>
        </message>
        <message>
            <source>truncated MSFT header</source>
            <translation>MSFT 头被截断</translation>
        </message>
        <message>
            <source>impossible type count</source>
            <translation>类型数不合理</translation>
        </message>
        <message>
            <source>a segment lies outside the library</source>
            <translation>某个段位于库之外</translation>
        </message>
        <message>
            <source>truncated SLTG header</source>
            <translation>SLTG 头被截断</translation>
        </message>
        <message>
            <source>truncated SLTG directory</source>
            <translation>SLTG 目录被截断</translation>
        </message>
        <message>
            <source>not an SLTG stream directory</source>
            <translation>不是 SLTG 流目录</translation>
        </message>
        <message>
            <source>the SLTG block chain is broken</source>
            <translation>SLTG 块链已断开</translation>
        </message>
        <message>
            <source>an SLTG block lies outside the library</source>
            <translation>某个 SLTG 块位于库之外</translation>
        </message>
        <message>
            <source>an SLTG block name is not terminated</source>
            <translation>某个 SLTG 块名称未终止</translation>
        </message>
        <message>
            <source>the SLTG block chain does not end with the library block</source>
            <translation>SLTG 块链未以库块结尾</translation>
        </message>
        <message>
            <source>bad SLTG library block</source>
            <translation>SLTG 库块无效</translation>
        </message>
        <message>
            <source>the SLTG type count is wrong</source>
            <translation>SLTG 类型数不正确</translation>
        </message>
        <message>
            <source>bad SLTG type entries</source>
            <translation>SLTG 类型条目无效</translation>
        </message>
        <message>
            <source>an SLTG type entry names the wrong block</source>
            <translation>某个 SLTG 类型条目指向了错误的块</translation>
        </message>
        <message>
            <source>unknown SLTG name-table preamble</source>
            <translation>未知的 SLTG 名称表前导码</translation>
        </message>
        <message>
            <source>the SLTG name table lies outside the library block</source>
            <translation>SLTG 名称表位于库块之外</translation>
        </message>
        <message>
            <source>no file is registered for this version</source>
            <translation>没有为此版本注册文件</translation>
        </message>
        <message>
            <source>no such file in the Wine prefix</source>
            <translation>Wine 前缀中没有此文件</translation>
        </message>
        <message>
            <source>no registry</source>
            <translation>没有注册表</translation>
        </message>
    </context>
    <context>
        <name>TreeLabels</name>
        <message>
            <source>Interfaces</source>
            <translation>接口</translation>
        </message>
        <message>
            <source>Automation Interfaces</source>
            <translation>自动化接口</translation>
        </message>
        <message>
            <source>Enumerations</source>
            <translation>枚举</translation>
        </message>
        <message>
            <source>Structures</source>
            <translation>结构</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>模块</translation>
        </message>
        <message>
            <source>CoClasses</source>
            <translation>组件类</translation>
        </message>
        <message>
            <source>Typedefs</source>
            <translation>类型定义</translation>
        </message>
        <message>
            <source>Unions</source>
            <translation>联合</translation>
        </message>
        <message>
            <source>Functions</source>
            <translation>函数</translation>
        </message>
        <message>
            <source>Methods</source>
            <translation>方法</translation>
        </message>
        <message>
            <source>Constants</source>
            <translation>常量</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>属性</translation>
        </message>
        <message>
            <source>Inherited Interfaces</source>
            <translation>继承的接口</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CAboutDlg</name>
        <message>
            <source>About Pellarine</source>
            <translation>关于 Pellarine</translation>
        </message>
        <message>
            <source>QORVIX Version 1.0.17</source>
            <translation>QORVIX 版本 1.0.17</translation>
        </message>
        <message>
            <source>COBOL for COM type libraries.</source>
            <translation>面向 COM 类型库的 COBOL。</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
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
            <translation>类型库内容：</translation>
        </message>
        <message>
            <source>COBOL</source>
            <translation>COBOL</translation>
        </message>
        <message>
            <source>Copy file:</source>
            <translation>COPY 文件：</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>浏览(&amp;B)...</translation>
        </message>
        <message>
            <source>Add &amp;file to project</source>
            <translation>将文件添加到项目(&amp;F)</translation>
        </message>
        <message>
            <source>Generate &amp;Interface Classes</source>
            <translation>生成接口类(&amp;I)</translation>
        </message>
        <message>
            <source>Generate &amp;Dual Interfaces</source>
            <translation>生成双重接口(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Generate</source>
            <translation>生成(&amp;G)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>COM (non-automation) support</source>
            <translation>COM（非自动化）支持</translation>
        </message>
        <message>
            <source>Select copy file</source>
            <translation>选择 COPY 文件</translation>
        </message>
        <message>
            <source>Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||</source>
            <translation>COPY 文件 (*.cpy)|*.cpy|所有文件 (*.*)|*.*||</translation>
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
            <translation>已注册的类型库：</translation>
        </message>
        <message>
            <source>&amp;View...</source>
            <translation>查看(&amp;V)...</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>浏览(&amp;B)...</translation>
        </message>
        <message>
            <source>&amp;Refresh</source>
            <translation>刷新(&amp;R)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>帮助(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>关闭(&amp;C)</translation>
        </message>
        <message>
            <source>Select a type library</source>
            <translation>选择类型库</translation>
        </message>
        <message>
            <source>Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||</source>
            <translation>类型库 (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|所有文件 (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::Help</name>
        <message>
            <source>&amp;What's This?</source>
            <translation>这是什么？(&amp;W)</translation>
        </message>
        <message>
            <source>qorvix Help</source>
            <translation>qorvix 帮助</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
    </context>
</TS>
