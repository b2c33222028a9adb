<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>DesktopFrontEnd</name>
        <message>
            <source>%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
            <translation>%1: no se pueden mostrar los cuadros de diálogo: no hay ninguna pantalla (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: the display cannot be reached (%2)</source>
            <translation>%1: no se pueden mostrar los cuadros de diálogo: no se puede acceder a la pantalla (%2)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: %2</source>
            <translation>%1: no se pueden mostrar los cuadros de diálogo: %2</translation>
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
            <translation>qorvix escribe código fuente COBOL para bibliotecas de tipos COM: un archivo COPY con los tipos, las constantes, los identificadores de clases e interfaces de la biblioteca y las instrucciones INVOKE de sus métodos y, si se solicita, un archivo de clase de interfaz por cada interfaz. Elija una biblioteca registrada en la lista (Ver) o un archivo (Examinar), revise su contenido, elija el archivo COPY y las opciones y haga clic en Generar.</translation>
        </message>
        <message>
            <source>Registered type libraries</source>
            <translation>Bibliotecas de tipos registradas</translation>
        </message>
        <message>
            <source>The type libraries registered on this machine, one row per registered version: its description, its version and its library identifier (TLBID). Double-click a row to see its contents.</source>
            <translation>Las bibliotecas de tipos registradas en este equipo, una fila por cada versión registrada: su descripción, su versión y su identificador de biblioteca (TLBID). Haga doble clic en una fila para ver su contenido.</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Ver</translation>
        </message>
        <message>
            <source>Opens the selected type library and shows its contents, where you can generate COBOL for it.</source>
            <translation>Abre la biblioteca de tipos seleccionada y muestra su contenido, desde donde puede generar COBOL para ella.</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>Examinar</translation>
        </message>
        <message>
            <source>Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its contents.</source>
            <translation>Elige un archivo de biblioteca de tipos (.tlb, .olb, .dll, .ocx), que no necesita estar registrado, y muestra su contenido.</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Actualizar</translation>
        </message>
        <message>
            <source>Reads the list of registered type libraries again.</source>
            <translation>Vuelve a leer la lista de bibliotecas de tipos registradas.</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Ends the program.</source>
            <translation>Cierra el programa.</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>Opens the qorvix manual.</source>
            <translation>Abre el manual de qorvix.</translation>
        </message>
        <message>
            <source>Contents of type library</source>
            <translation>Contenido de la biblioteca de tipos</translation>
        </message>
        <message>
            <source>The type library as a tree: its interfaces, automation interfaces, enumerations, structures, modules, component classes, typedefs and unions, and under each type its members. Press Enter to open or close the selected item.</source>
            <translation>La biblioteca de tipos en forma de árbol: sus interfaces, interfaces de automatización, enumeraciones, estructuras, módulos, clases de componentes, definiciones de tipos y uniones y, bajo cada tipo, sus miembros. Presione Entrar para expandir o contraer el elemento seleccionado.</translation>
        </message>
        <message>
            <source>Chooses the copy file to generate.</source>
            <translation>Elige el archivo COPY que se va a generar.</translation>
        </message>
        <message>
            <source>Copy file</source>
            <translation>Archivo COPY</translation>
        </message>
        <message>
            <source>The name of the copy file to generate. A name without a folder is written into the current folder; the interface class files are written beside the copy file.</source>
            <translation>El nombre del archivo COPY que se va a generar. Un nombre sin carpeta se escribe en la carpeta actual; los archivos de clase de interfaz se escriben junto al archivo COPY.</translation>
        </message>
        <message>
            <source>Add file to project</source>
            <translation>Agregar el archivo al proyecto</translation>
        </message>
        <message>
            <source>Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to that project. Available when the IDE is installed.</source>
            <translation>Genera los archivos en el directorio del proyecto abierto en el IDE de COBOL y agrega el archivo COPY a ese proyecto. Disponible cuando el IDE está instalado.</translation>
        </message>
        <message>
            <source>Generate Interface Classes</source>
            <translation>Generar clases de interfaz</translation>
        </message>
        <message>
            <source>Also writes one interface class file for each interface of the library, for calling interfaces that do not support automation.</source>
            <translation>Escribe además un archivo de clase de interfaz para cada interfaz de la biblioteca, para llamar a las interfaces que no admiten automatización.</translation>
        </message>
        <message>
            <source>Generate Dual Interfaces</source>
            <translation>Generar interfaces duales</translation>
        </message>
        <message>
            <source>Also writes interface class files for dual interfaces, which can otherwise be called through automation.</source>
            <translation>Escribe también archivos de clase de interfaz para las interfaces duales, que de otro modo se pueden llamar mediante automatización.</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>Generar</translation>
        </message>
        <message>
            <source>Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can generate again with other settings.</source>
            <translation>Escribe el archivo COPY y, si se ha elegido, los archivos de clase de interfaz. El cuadro de diálogo permanece abierto, por lo que puede volver a generar con otra configuración.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Closes the contents of the type library.</source>
            <translation>Cierra el contenido de la biblioteca de tipos.</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Sí</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Sí a &amp;todo</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>No a t&amp;odo</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>&amp;About qorvix...</source>
            <translation>&amp;Acerca de qorvix...</translation>
        </message>
        <message>
            <source>The file
'%1'
already exists. Do you want to overwrite it?</source>
            <translation>El archivo
'%1'
ya existe. ¿Desea sobrescribirlo?</translation>
        </message>
        <message>
            <source>The file
'%1'
can not be written to. Please check the file name and path are correct and do not point to a read-only file.
%2</source>
            <translation>No se puede escribir en el archivo
'%1'
Compruebe que el nombre y la ruta del archivo sean correctos y no apunten a un archivo de solo lectura.
%2</translation>
        </message>
        <message>
            <source>The file
'%1'
is already open!</source>
            <translation>¡El archivo
'%1'
ya está abierto!</translation>
        </message>
        <message>
            <source>All files will be generated in the project directory
'%1'</source>
            <translation>Todos los archivos se generarán en el directorio del proyecto
'%1'</translation>
        </message>
        <message>
            <source>No project found. Continue to generate files?</source>
            <translation>No se encontró ningún proyecto. ¿Desea generar los archivos de todos modos?</translation>
        </message>
        <message>
            <source>Usage: qorvix [-i[d]] [-p] [-o&lt;file&gt;] &lt;typelib&gt;
  -id Generate (Dual) Interface files
  -p Add copy file to Orbanel project
  -o&lt;file&gt; Copy file to generate</source>
            <translation>Uso: qorvix [-i[d]] [-p] [-o&lt;archivo&gt;] &lt;biblioteca&gt;
  -id Generar los archivos de interfaz (dual)
  -p Agregar el archivo COPY al proyecto de Orbanel
  -o&lt;archivo&gt; Archivo COPY que se va a generar</translation>
        </message>
        <message>
            <source>The option '%1' is not a valid option.
Use qorvix -? to view a list of valid options.</source>
            <translation>La opción '%1' no es una opción válida.
Use qorvix -? para ver una lista de las opciones válidas.</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Descripción</translation>
        </message>
        <message>
            <source>Ver</source>
            <translation>Ver.</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has been left as it was.</source>
            <translation>El archivo
'%1'
no se pudo escribir por completo: %2
El archivo se ha dejado como estaba.</translation>
        </message>
        <message>
            <source>Files not written: %1</source>
            <translation>Archivos no escritos: %1</translation>
        </message>
        <message>
            <source>answered OK (standard input is not a terminal)</source>
            <translation>respuesta: Aceptar (la entrada estándar no es un terminal)</translation>
        </message>
        <message>
            <source>answered Cancel (standard input is not a terminal)</source>
            <translation>respuesta: Cancelar (la entrada estándar no es un terminal)</translation>
        </message>
        <message>
            <source>answered Yes (standard input is not a terminal)</source>
            <translation>respuesta: Sí (la entrada estándar no es un terminal)</translation>
        </message>
        <message>
            <source>answered No (standard input is not a terminal)</source>
            <translation>respuesta: No (la entrada estándar no es un terminal)</translation>
        </message>
        <message>
            <source>Files not written for the same reason: %1</source>
            <translation>Archivos no escritos por el mismo motivo: %1</translation>
        </message>
        <message>
            <source>Not a regular file</source>
            <translation>No es un archivo normal</translation>
        </message>
        <message>
            <source>The file
'%1'
was written completely by another run at the same time.
That run's file has been kept.</source>
            <translation>El archivo
'%1'
lo ha escrito por completo otra ejecución al mismo tiempo.
Se ha conservado el archivo de esa ejecución.</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has not been written.</source>
            <translation>El archivo
'%1'
no se pudo escribir por completo: %2
El archivo no se ha escrito.</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Sí</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Sí a &amp;todo</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>No a t&amp;odo</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>&amp;Aceptar</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Cancelar</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>%1 [%2]? </source>
            <translation>¿%1 [%2]? </translation>
        </message>
        <message>
            <source>The name holds a control character</source>
            <translation>El nombre contiene un carácter de control</translation>
        </message>
        <message>
            <source>The type library could not be loaded.
'%1': %2</source>
            <translation>No se pudo cargar la biblioteca de tipos.
'%1': %2</translation>
        </message>
        <message>
            <source>the file is empty</source>
            <translation>el archivo está vacío</translation>
        </message>
        <message>
            <source>not a type library (unknown file signature)</source>
            <translation>no es una biblioteca de tipos (firma de archivo desconocida)</translation>
        </message>
        <message>
            <source>is a directory</source>
            <translation>es una carpeta</translation>
        </message>
        <message>
            <source>is a named pipe, not a file</source>
            <translation>es una canalización con nombre, no un archivo</translation>
        </message>
        <message>
            <source>is a socket, not a file</source>
            <translation>es un socket, no un archivo</translation>
        </message>
        <message>
            <source>is a device, not a file</source>
            <translation>es un dispositivo, no un archivo</translation>
        </message>
        <message>
            <source>not a regular file</source>
            <translation>no es un archivo normal</translation>
        </message>
        <message>
            <source>larger than %1 MiB; not read as a type library</source>
            <translation>mayor de %1 MiB; no se lee como biblioteca de tipos</translation>
        </message>
        <message>
            <source>the file kept changing while it was read</source>
            <translation>el archivo no dejó de cambiar mientras se leía</translation>
        </message>
        <message>
            <source>the file is too short for an executable header</source>
            <translation>el archivo es demasiado corto para un encabezado de ejecutable</translation>
        </message>
        <message>
            <source>the executable header points outside the file</source>
            <translation>el encabezado del ejecutable apunta fuera del archivo</translation>
        </message>
        <message>
            <source>a 16-bit module, not supported</source>
            <translation>un módulo de 16 bits, no admitido</translation>
        </message>
        <message>
            <source>not a Windows PE image</source>
            <translation>no es una imagen PE de Windows</translation>
        </message>
        <message>
            <source>truncated PE header</source>
            <translation>encabezado PE truncado</translation>
        </message>
        <message>
            <source>unknown PE optional-header magic</source>
            <translation>valor mágico desconocido en el encabezado opcional PE</translation>
        </message>
        <message>
            <source>truncated PE optional header</source>
            <translation>encabezado opcional PE truncado</translation>
        </message>
        <message>
            <source>truncated PE data directory</source>
            <translation>directorio de datos PE truncado</translation>
        </message>
        <message>
            <source>the PE section table runs past the end of the file</source>
            <translation>la tabla de secciones PE sobrepasa el final del archivo</translation>
        </message>
        <message>
            <source>the resource directory lies outside the file</source>
            <translation>el directorio de recursos está fuera del archivo</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource %1</source>
            <translation>el archivo no tiene el recurso TYPELIB %1</translation>
        </message>
        <message>
            <source>malformed resource directory</source>
            <translation>directorio de recursos mal formado</translation>
        </message>
        <message>
            <source>malformed resource data entry</source>
            <translation>entrada de datos de recurso mal formada</translation>
        </message>
        <message>
            <source>the TYPELIB resource lies outside the file</source>
            <translation>el recurso TYPELIB está fuera del archivo</translation>
        </message>
        <message>
            <source>this is a .NET assembly; it contains no type library</source>
            <translation>es un ensamblado .NET; no contiene ninguna biblioteca de tipos</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource (it may be packed)</source>
            <translation>el archivo no tiene ningún recurso TYPELIB (puede estar comprimido)</translation>
        </message>
        <message>
            <source>the TYPELIB resource holds neither an MSFT nor an SLTG type library</source>
            <translation>el recurso TYPELIB no contiene ninguna biblioteca de tipos MSFT ni SLTG</translation>
        </message>
        <message>
            <source>truncated MSFT header</source>
            <translation>encabezado MSFT truncado</translation>
        </message>
        <message>
            <source>impossible type count</source>
            <translation>número de tipos imposible</translation>
        </message>
        <message>
            <source>a segment lies outside the library</source>
            <translation>un segmento está fuera de la biblioteca</translation>
        </message>
        <message>
            <source>truncated SLTG header</source>
            <translation>encabezado SLTG truncado</translation>
        </message>
        <message>
            <source>truncated SLTG directory</source>
            <translation>directorio SLTG truncado</translation>
        </message>
        <message>
            <source>not an SLTG stream directory</source>
            <translation>no es un directorio de secuencias SLTG</translation>
        </message>
        <message>
            <source>the SLTG block chain is broken</source>
            <translation>la cadena de bloques SLTG está rota</translation>
        </message>
        <message>
            <source>an SLTG block lies outside the library</source>
            <translation>un bloque SLTG está fuera de la biblioteca</translation>
        </message>
        <message>
            <source>an SLTG block name is not terminated</source>
            <translation>un nombre de bloque SLTG no está terminado</translation>
        </message>
        <message>
            <source>the SLTG block chain does not end with the library block</source>
            <translation>la cadena de bloques SLTG no termina con el bloque de biblioteca</translation>
        </message>
        <message>
            <source>bad SLTG library block</source>
            <translation>bloque de biblioteca SLTG incorrecto</translation>
        </message>
        <message>
            <source>the SLTG type count is wrong</source>
            <translation>el número de tipos SLTG es incorrecto</translation>
        </message>
        <message>
            <source>bad SLTG type entries</source>
            <translation>entradas de tipos SLTG incorrectas</translation>
        </message>
        <message>
            <source>an SLTG type entry names the wrong block</source>
            <translation>una entrada de tipo SLTG indica un bloque equivocado</translation>
        </message>
        <message>
            <source>unknown SLTG name-table preamble</source>
            <translation>preámbulo desconocido de la tabla de nombres SLTG</translation>
        </message>
        <message>
            <source>the SLTG name table lies outside the library block</source>
            <translation>la tabla de nombres SLTG está fuera del bloque de biblioteca</translation>
        </message>
        <message>
            <source>no file is registered for this version</source>
            <translation>no hay ningún archivo registrado para esta versión</translation>
        </message>
        <message>
            <source>no such file in the Wine prefix</source>
            <translation>no existe ese archivo en el prefijo de Wine</translation>
        </message>
        <message>
            <source>no registry</source>
            <translation>no hay Registro</translation>
        </message>
    </context>
    <context>
        <name>TreeLabels</name>
        <message>
            <source>Interfaces</source>
            <translation>Interfaces</translation>
        </message>
        <message>
            <source>Automation Interfaces</source>
            <translation>Interfaces de automatización</translation>
        </message>
        <message>
            <source>Enumerations</source>
            <translation>Enumeraciones</translation>
        </message>
        <message>
            <source>Structures</source>
            <translation>Estructuras</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>Módulos</translation>
        </message>
        <message>
            <source>CoClasses</source>
            <translation>Clases de componentes</translation>
        </message>
        <message>
            <source>Typedefs</source>
            <translation>Definiciones de tipos</translation>
        </message>
        <message>
            <source>Unions</source>
            <translation>Uniones</translation>
        </message>
        <message>
            <source>Functions</source>
            <translation>Funciones</translation>
        </message>
        <message>
            <source>Methods</source>
            <translation>Métodos</translation>
        </message>
        <message>
            <source>Constants</source>
            <translation>Constantes</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>Propiedades</translation>
        </message>
        <message>
            <source>Inherited Interfaces</source>
            <translation>Interfaces heredadas</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CAboutDlg</name>
        <message>
            <source>About Pellarine</source>
            <translation>Acerca de Pellarine</translation>
        </message>
        <message>
            <source>QORVIX Version 1.0.17</source>
            <translation>QORVIX versión 1.0.17</translation>
        </message>
        <message>
            <source>COBOL for COM type libraries.</source>
            <translation>COBOL para bibliotecas de tipos COM.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
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
            <translation>Contenido de la biblioteca de tipos:</translation>
        </message>
        <message>
            <source>COBOL</source>
            <translation>COBOL</translation>
        </message>
        <message>
            <source>Copy file:</source>
            <translation>Archivo COPY:</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Examinar...</translation>
        </message>
        <message>
            <source>Add &amp;file to project</source>
            <translation>Agregar el &amp;archivo al proyecto</translation>
        </message>
        <message>
            <source>Generate &amp;Interface Classes</source>
            <translation>Generar clases de &amp;interfaz</translation>
        </message>
        <message>
            <source>Generate &amp;Dual Interfaces</source>
            <translation>Generar interfaces &amp;duales</translation>
        </message>
        <message>
            <source>&amp;Generate</source>
            <translation>&amp;Generar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>COM (non-automation) support</source>
            <translation>Compatibilidad con COM (sin automatización)</translation>
        </message>
        <message>
            <source>Select copy file</source>
            <translation>Seleccionar el archivo COPY</translation>
        </message>
        <message>
            <source>Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||</source>
            <translation>Archivos COPY (*.cpy)|*.cpy|Todos los archivos (*.*)|*.*||</translation>
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
            <translation>Bibliotecas de tipos registradas:</translation>
        </message>
        <message>
            <source>&amp;View...</source>
            <translation>&amp;Ver...</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Examinar...</translation>
        </message>
        <message>
            <source>&amp;Refresh</source>
            <translation>&amp;Actualizar</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>Ay&amp;uda</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Cerrar</translation>
        </message>
        <message>
            <source>Select a type library</source>
            <translation>Seleccionar una biblioteca de tipos</translation>
        </message>
        <message>
            <source>Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||</source>
            <translation>Bibliotecas de tipos (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|Todos los archivos (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::Help</name>
        <message>
            <source>&amp;What's This?</source>
            <translation>¿&amp;Qué es esto?</translation>
        </message>
        <message>
            <source>qorvix Help</source>
            <translation>Ayuda de qorvix</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
    </context>
</TS>
