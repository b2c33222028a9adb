"""Spanish (qorvix.esp). The table of one language: its glossary first, then
every source text with its translation (translate.py fills qorvix_es.ts
from it and checks it)."""

CODE = "es"
BRACKETED = False  # accelerators on a letter of the text

# The terms, as the platform's Spanish texts use them. translate.py checks
# that a text which says the English term says one of these.
GLOSSARY = {
    "type library": ("biblioteca de tipos", "bibliotecas de tipos"),
    "interface": ("interfaz", "interfaces"),
    "dispinterface": ("dispinterface", "interfaz de automatización"),
    "automation": "automatización",
    "copy file": ("archivo COPY", "archivos COPY"),
    "class file": ("archivo de clase", "archivos de clase"),
    "project": "proyecto",
    "registered": ("registrada", "registradas", "registrado"),
}

TEXTS = {
    # Dialogs
    "About Pellarine": "Acerca de Pellarine",
    "QORVIX Version 1.0.17": "QORVIX versión 1.0.17",
    "COBOL for COM type libraries.": "COBOL para bibliotecas de tipos COM.",
    "OK": "Aceptar",
    "Pellarine": "Pellarine",
    "Contents of type library:": "Contenido de la biblioteca de tipos:",
    "COBOL": "COBOL",
    "Copy file:": "Archivo COPY:",
    "&Browse...": "&Examinar...",
    "Add &file to project": "Agregar el &archivo al proyecto",
    "Generate &Interface Classes": "Generar clases de &interfaz",
    "Generate &Dual Interfaces": "Generar interfaces &duales",
    "&Generate": "&Generar",
    "Cancel": "Cancelar",
    "COM (non-automation) support": "Compatibilidad con COM (sin automatización)",
    "Select copy file": "Seleccionar el archivo COPY",
    "Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||": "Archivos COPY (*.cpy)|*.cpy|Todos los archivos (*.*)|*.*||",
    "Registered type libraries:": "Bibliotecas de tipos registradas:",
    "&View...": "&Ver...",
    "&Refresh": "&Actualizar",
    "Close": "Cerrar",
    "&Help": "Ay&uda",
    "&Close": "&Cerrar",
    "Select a type library": "Seleccionar una biblioteca de tipos",
    "Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||":
        "Bibliotecas de tipos (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|Todos los archivos (*.*)|*.*||",
    "&What's This?": "¿&Qué es esto?",
    "qorvix Help": "Ayuda de qorvix",
    "&Yes": "&Sí",
    "&No": "&No",
    # The desktop front end's console messages
    "%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)":
        "%1: no se pueden mostrar los cuadros de diálogo: no hay ninguna pantalla (DISPLAY y "
        "WAYLAND_DISPLAY no están definidas)",
    "%1: cannot show the dialogs: the display cannot be reached (%2)":
        "%1: no se pueden mostrar los cuadros de diálogo: no se puede acceder a la pantalla (%2)",
    "%1: cannot show the dialogs: %2":
        "%1: no se pueden mostrar los cuadros de diálogo: %2",
    # Labels of the tree
    "Interfaces": "Interfaces",
    "Automation Interfaces": "Interfaces de automatización",
    "Enumerations": "Enumeraciones",
    "Structures": "Estructuras",
    "Modules": "Módulos",
    "CoClasses": "Clases de componentes",
    "Typedefs": "Definiciones de tipos",
    "Unions": "Uniones",
    "Functions": "Funciones",
    "Methods": "Métodos",
    "Constants": "Constantes",
    "Properties": "Propiedades",
    "Inherited Interfaces": "Interfaces heredadas",
    # Help topics
    "qorvix": "qorvix",
    "qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, "
    "class and interface identifiers and the invoke phrases of its methods, and on request one interface "
    "class file per interface. Pick a registered library in the list (View) or a file (Browse), look at "
    "its contents, choose the copy file and the options, and press Generate.":
        "qorvix escribe código fuente COBOL para bibliotecas de tipos COM: un archivo COPY con los tipos, "
        "las constantes, los identificadores de clases e interfaces de la biblioteca y las instrucciones "
        "INVOKE de sus métodos y, si se solicita, un archivo de clase de interfaz por cada interfaz. Elija "
        "una biblioteca registrada en la lista (Ver) o un archivo (Examinar), revise su contenido, elija "
        "el archivo COPY y las opciones y haga clic en Generar.",
    "Registered type libraries": "Bibliotecas de tipos registradas",
    "The type libraries registered on this machine, one row per registered version: its description, its "
    "version and its library identifier (TLBID). Double-click a row to see its contents.":
        "Las bibliotecas de tipos registradas en este equipo, una fila por cada versión registrada: su "
        "descripción, su versión y su identificador de biblioteca (TLBID). Haga doble clic en una fila "
        "para ver su contenido.",
    "View": "Ver",
    "Opens the selected type library and shows its contents, where you can generate COBOL for it.":
        "Abre la biblioteca de tipos seleccionada y muestra su contenido, desde donde puede generar COBOL "
        "para ella.",
    "Browse": "Examinar",
    "Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its "
    "contents.":
        "Elige un archivo de biblioteca de tipos (.tlb, .olb, .dll, .ocx), que no necesita estar "
        "registrado, y muestra su contenido.",
    "Refresh": "Actualizar",
    "Reads the list of registered type libraries again.":
        "Vuelve a leer la lista de bibliotecas de tipos registradas.",
    "Ends the program.": "Cierra el programa.",
    "Help": "Ayuda",
    "Opens the qorvix manual.": "Abre el manual de qorvix.",
    "Contents of type library": "Contenido de la biblioteca de tipos",
    "The type library as a tree: its interfaces, automation interfaces, enumerations, structures, "
    "modules, component classes, typedefs and unions, and under each type its members. Press Enter to "
    "open or close the selected item.":
        "La biblioteca de tipos en forma de árbol: sus interfaces, interfaces de automatización, "
        "enumeraciones, estructuras, módulos, clases de componentes, definiciones de tipos y uniones y, "
        "bajo cada tipo, sus miembros. Presione Entrar para expandir o contraer el elemento seleccionado.",
    "Chooses the copy file to generate.": "Elige el archivo COPY que se va a generar.",
    "Copy file": "Archivo COPY",
    "The name of the copy file to generate. A name without a folder is written into the current folder; "
    "the interface class files are written beside the copy file.":
        "El nombre del archivo COPY que se va a generar. Un nombre sin carpeta se escribe en la carpeta "
        "actual; los archivos de clase de interfaz se escriben junto al archivo COPY.",
    "Add file to project": "Agregar el archivo al proyecto",
    "Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to "
    "that project. Available when the IDE is installed.":
        "Genera los archivos en el directorio del proyecto abierto en el IDE de COBOL y agrega el archivo "
        "COPY a ese proyecto. Disponible cuando el IDE está instalado.",
    "Generate Interface Classes": "Generar clases de interfaz",
    "Also writes one interface class file for each interface of the library, for calling interfaces "
    "that do not support automation.":
        "Escribe además un archivo de clase de interfaz para cada interfaz de la biblioteca, para llamar a "
        "las interfaces que no admiten automatización.",
    "Generate Dual Interfaces": "Generar interfaces duales",
    "Also writes interface class files for dual interfaces, which can otherwise be called through "
    "automation.":
        "Escribe también archivos de clase de interfaz para las interfaces duales, que de otro modo se "
        "pueden llamar mediante automatización.",
    "Generate": "Generar",
    "Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can "
    "generate again with other settings.":
        "Escribe el archivo COPY y, si se ha elegido, los archivos de clase de interfaz. El cuadro de "
        "diálogo permanece abierto, por lo que puede volver a generar con otra configuración.",
    "Closes the contents of the type library.": "Cierra el contenido de la biblioteca de tipos.",
    # String table
    "&About qorvix...": "&Acerca de qorvix...",
    "The file\n'%1'\nalready exists. Do you want to overwrite it?":
        "El archivo\n'%1'\nya existe. ¿Desea sobrescribirlo?",
    "The file\n'%1'\ncan not be written to. Please check the file name and path are correct and do not "
    "point to a read-only file.\n%2":
        "No se puede escribir en el archivo\n'%1'\nCompruebe que el nombre y la ruta del archivo sean "
        "correctos y no apunten a un archivo de solo lectura.\n%2",
    "The file\n'%1'\nis already open!": "¡El archivo\n'%1'\nya está abierto!",
    "The type library could not be loaded.\n'%1': %2":
        "No se pudo cargar la biblioteca de tipos.\n'%1': %2",
    "All files will be generated in the project directory\n'%1'":
        "Todos los archivos se generarán en el directorio del proyecto\n'%1'",
    "No project found. Continue to generate files?":
        "No se encontró ningún proyecto. ¿Desea generar los archivos de todos modos?",
    "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface files\n  -p Add copy "
    "file to Orbanel project\n  -o<file> Copy file to generate":
        "Uso: qorvix [-i[d]] [-p] [-o<archivo>] <biblioteca>\n  -id Generar los archivos de interfaz "
        "(dual)\n  -p Agregar el archivo COPY al proyecto de Orbanel\n  -o<archivo> Archivo COPY que se va "
        "a generar",
    "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid options.":
        "La opción '%1' no es una opción válida.\nUse qorvix -? para ver una lista de las opciones "
        "válidas.",
    "Description": "Descripción",
    "Ver": "Ver.",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has been left as it was.":
        "El archivo\n'%1'\nno se pudo escribir por completo: %2\nEl archivo se ha dejado como estaba.",
    "Files not written: %1": "Archivos no escritos: %1",
    "answered OK (standard input is not a terminal)":
        "respuesta: Aceptar (la entrada estándar no es un terminal)",
    "answered Cancel (standard input is not a terminal)":
        "respuesta: Cancelar (la entrada estándar no es un terminal)",
    "answered Yes (standard input is not a terminal)":
        "respuesta: Sí (la entrada estándar no es un terminal)",
    "answered No (standard input is not a terminal)":
        "respuesta: No (la entrada estándar no es un terminal)",
    "Files not written for the same reason: %1": "Archivos no escritos por el mismo motivo: %1",
    "Not a regular file": "No es un archivo normal",
    "The name holds a control character": "El nombre contiene un carácter de control",
    # Answers: message box buttons, and on the terminal the marked letters.
    "Yes to &All": "Sí a &todo",
    "N&o to All": "No a t&odo",
    "&OK": "&Aceptar",
    "&Cancel": "&Cancelar",
    "%1 (%2)": "%1 (%2)",
    "%1 [%2]? ": "¿%1 [%2]? ",
    "The file\n'%1'\nwas written completely by another run at the same time.\nThat run's file has been kept.":
        "El archivo\n'%1'\nlo ha escrito por completo otra ejecución al mismo tiempo.\n"
        "Se ha conservado el archivo de esa ejecución.",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has not been written.":
        "El archivo\n'%1'\nno se pudo escribir por completo: %2\nEl archivo no se ha escrito.",
    # The reader's reasons a library cannot be loaded (message 105's %2)
    "the file is empty": "el archivo está vacío",
    "not a type library (unknown file signature)":
        "no es una biblioteca de tipos (firma de archivo desconocida)",
    "is a directory": "es una carpeta",
    "is a named pipe, not a file": "es una canalización con nombre, no un archivo",
    "is a socket, not a file": "es un socket, no un archivo",
    "is a device, not a file": "es un dispositivo, no un archivo",
    "not a regular file": "no es un archivo normal",
    "larger than %1 MiB; not read as a type library": "mayor de %1 MiB; no se lee como biblioteca de tipos",
    "the file kept changing while it was read": "el archivo no dejó de cambiar mientras se leía",
    "the file is too short for an executable header":
        "el archivo es demasiado corto para un encabezado de ejecutable",
    "the executable header points outside the file": "el encabezado del ejecutable apunta fuera del archivo",
    "a 16-bit module, not supported": "un módulo de 16 bits, no admitido",
    "not a Windows PE image": "no es una imagen PE de Windows",
    "truncated PE header": "encabezado PE truncado",
    "unknown PE optional-header magic": "valor mágico desconocido en el encabezado opcional PE",
    "truncated PE optional header": "encabezado opcional PE truncado",
    "truncated PE data directory": "directorio de datos PE truncado",
    "the PE section table runs past the end of the file":
        "la tabla de secciones PE sobrepasa el final del archivo",
    "the resource directory lies outside the file": "el directorio de recursos está fuera del archivo",
    "the file has no TYPELIB resource %1": "el archivo no tiene el recurso TYPELIB %1",
    "malformed resource directory": "directorio de recursos mal formado",
    "malformed resource data entry": "entrada de datos de recurso mal formada",
    "the TYPELIB resource lies outside the file": "el recurso TYPELIB está fuera del archivo",
    "this is a .NET assembly; it contains no type library":
        "es un ensamblado .NET; no contiene ninguna biblioteca de tipos",
    "the file has no TYPELIB resource (it may be packed)":
        "el archivo no tiene ningún recurso TYPELIB (puede estar comprimido)",
    "the TYPELIB resource holds neither an MSFT nor an SLTG type library":
        "el recurso TYPELIB no contiene ninguna biblioteca de tipos MSFT ni SLTG",
    "truncated MSFT header": "encabezado MSFT truncado",
    "impossible type count": "número de tipos imposible",
    "a segment lies outside the library": "un segmento está fuera de la biblioteca",
    "truncated SLTG header": "encabezado SLTG truncado",
    "truncated SLTG directory": "directorio SLTG truncado",
    "not an SLTG stream directory": "no es un directorio de secuencias SLTG",
    "the SLTG block chain is broken": "la cadena de bloques SLTG está rota",
    "an SLTG block lies outside the library": "un bloque SLTG está fuera de la biblioteca",
    "an SLTG block name is not terminated": "un nombre de bloque SLTG no está terminado",
    "the SLTG block chain does not end with the library block":
        "la cadena de bloques SLTG no termina con el bloque de biblioteca",
    "bad SLTG library block": "bloque de biblioteca SLTG incorrecto",
    "the SLTG type count is wrong": "el número de tipos SLTG es incorrecto",
    "bad SLTG type entries": "entradas de tipos SLTG incorrectas",
    "an SLTG type entry names the wrong block": "una entrada de tipo SLTG indica un bloque equivocado",
    "unknown SLTG name-table preamble": "preámbulo desconocido de la tabla de nombres SLTG",
    "the SLTG name table lies outside the library block":
        "la tabla de nombres SLTG está fuera del bloque de biblioteca",
    "no file is registered for this version": "no hay ningún archivo registrado para esta versión",
    "no such file in the Wine prefix": "no existe ese archivo en el prefijo de Wine",
    "no registry": "no hay Registro",
}
