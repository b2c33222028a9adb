"""Italian (qorvix.ita). The table of one language: its glossary first, then
every source text with its translation (translate.py fills qorvix_it.ts
from it and checks it). Buttons and commands in the imperative, help
texts in the impersonal form, as the platform's Italian texts do."""

CODE = "it"
BRACKETED = False  # accelerators on a letter of the text

# The terms, as the platform's Italian texts use them. translate.py checks
# that a text which says the English term says one of these.
GLOSSARY = {
    "type library": ("libreria dei tipi", "librerie dei tipi"),
    "interface": ("interfaccia", "interfacce"),
    "dispinterface": ("dispinterface", "interfaccia di automazione"),
    "automation": "automazione",
    "copy file": "file COPY",
    "class file": "file di classe",
    "project": "progett",
    "registered": ("registrata", "registrate", "registrato"),
}

TEXTS = {
    # Dialogs
    "About Pellarine": "Informazioni su Pellarine",
    "QORVIX Version 1.0.17": "QORVIX versione 1.0.17",
    "COBOL for COM type libraries.": "COBOL per le librerie dei tipi COM.",
    "OK": "OK",
    "Pellarine": "Pellarine",
    "Contents of type library:": "Contenuto della libreria dei tipi:",
    "COBOL": "COBOL",
    "Copy file:": "File COPY:",
    "&Browse...": "&Sfoglia...",
    "Add &file to project": "Aggiungi il &file al progetto",
    "Generate &Interface Classes": "Genera classi di &interfaccia",
    "Generate &Dual Interfaces": "Genera interfacce &duali",
    "&Generate": "&Genera",
    "Cancel": "Annulla",
    "COM (non-automation) support": "Supporto COM (senza automazione)",
    "Select copy file": "Seleziona il file COPY",
    "Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||": "File COPY (*.cpy)|*.cpy|Tutti i file (*.*)|*.*||",
    "Registered type libraries:": "Librerie dei tipi registrate:",
    "&View...": "&Visualizza...",
    "&Refresh": "&Aggiorna",
    "Close": "Chiudi",
    "&Help": "&Guida",
    "&Close": "&Chiudi",
    "Select a type library": "Seleziona una libreria dei tipi",
    "Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||":
        "Librerie dei tipi (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|Tutti i file (*.*)|*.*||",
    "&What's This?": "&Guida rapida",
    "qorvix Help": "Guida di qorvix",
    "&Yes": "&Sì",
    "&No": "&No",
    # The desktop front end's console messages
    "%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)":
        "%1: impossibile mostrare le finestre di dialogo: non è disponibile alcun display (DISPLAY e "
        "WAYLAND_DISPLAY non sono impostate)",
    "%1: cannot show the dialogs: the display cannot be reached (%2)":
        "%1: impossibile mostrare le finestre di dialogo: il display non è raggiungibile (%2)",
    "%1: cannot show the dialogs: %2":
        "%1: impossibile mostrare le finestre di dialogo: %2",
    # Labels of the tree
    "Interfaces": "Interfacce",
    "Automation Interfaces": "Interfacce di automazione",
    "Enumerations": "Enumerazioni",
    "Structures": "Strutture",
    "Modules": "Moduli",
    "CoClasses": "Classi di componenti",
    "Typedefs": "Definizioni di tipo",
    "Unions": "Unioni",
    "Functions": "Funzioni",
    "Methods": "Metodi",
    "Constants": "Costanti",
    "Properties": "Proprietà",
    "Inherited Interfaces": "Interfacce ereditate",
    # Help topics
    "qorvix": "qorvix",
    "qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, "
    "class and interface identifiers and the invoke phrases of its methods, and on request one interface "
    "class file per interface. Pick a registered library in the list (View) or a file (Browse), look at "
    "its contents, choose the copy file and the options, and press Generate.":
        "qorvix scrive codice sorgente COBOL per le librerie dei tipi COM: un file COPY con i tipi, le "
        "costanti, gli identificatori di classe e di interfaccia della libreria e le istruzioni INVOKE dei "
        "suoi metodi e, su richiesta, un file di classe di interfaccia per ogni interfaccia. Scegliere una "
        "libreria registrata nell'elenco (Visualizza) o un file (Sfoglia), esaminarne il contenuto, "
        "scegliere il file COPY e le opzioni e fare clic su Genera.",
    "Registered type libraries": "Librerie dei tipi registrate",
    "The type libraries registered on this machine, one row per registered version: its description, its "
    "version and its library identifier (TLBID). Double-click a row to see its contents.":
        "Le librerie dei tipi registrate in questo computer, una riga per ogni versione registrata: la "
        "descrizione, la versione e l'identificatore della libreria (TLBID). Fare doppio clic su una riga "
        "per visualizzarne il contenuto.",
    "View": "Visualizza",
    "Opens the selected type library and shows its contents, where you can generate COBOL for it.":
        "Apre la libreria dei tipi selezionata e ne mostra il contenuto, da cui è possibile generare "
        "COBOL.",
    "Browse": "Sfoglia",
    "Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its "
    "contents.":
        "Sceglie un file di libreria dei tipi (.tlb, .olb, .dll, .ocx), anche non registrato, e ne mostra "
        "il contenuto.",
    "Refresh": "Aggiorna",
    "Reads the list of registered type libraries again.":
        "Legge di nuovo l'elenco delle librerie dei tipi registrate.",
    "Ends the program.": "Chiude il programma.",
    "Help": "Guida",
    "Opens the qorvix manual.": "Apre il manuale di qorvix.",
    "Contents of type library": "Contenuto della libreria dei tipi",
    "The type library as a tree: its interfaces, automation interfaces, enumerations, structures, "
    "modules, component classes, typedefs and unions, and under each type its members. Press Enter to "
    "open or close the selected item.":
        "La libreria dei tipi sotto forma di albero: le interfacce, le interfacce di automazione, le "
        "enumerazioni, le strutture, i moduli, le classi di componenti, le definizioni di tipo e le unioni "
        "e, sotto ogni tipo, i suoi membri. Premere INVIO per espandere o comprimere l'elemento "
        "selezionato.",
    "Chooses the copy file to generate.": "Sceglie il file COPY da generare.",
    "Copy file": "File COPY",
    "The name of the copy file to generate. A name without a folder is written into the current folder; "
    "the interface class files are written beside the copy file.":
        "Il nome del file COPY da generare. Un nome senza cartella viene scritto nella cartella corrente; "
        "i file di classe di interfaccia vengono scritti accanto al file COPY.",
    "Add file to project": "Aggiungi il file al progetto",
    "Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to "
    "that project. Available when the IDE is installed.":
        "Genera i file nella directory del progetto aperto nell'IDE COBOL e aggiunge il file COPY a tale "
        "progetto. Disponibile quando l'IDE è installato.",
    "Generate Interface Classes": "Genera classi di interfaccia",
    "Also writes one interface class file for each interface of the library, for calling interfaces "
    "that do not support automation.":
        "Scrive inoltre un file di classe di interfaccia per ogni interfaccia della libreria, per chiamare "
        "le interfacce che non supportano l'automazione.",
    "Generate Dual Interfaces": "Genera interfacce duali",
    "Also writes interface class files for dual interfaces, which can otherwise be called through "
    "automation.":
        "Scrive file di classe di interfaccia anche per le interfacce duali, che altrimenti possono essere "
        "chiamate tramite automazione.",
    "Generate": "Genera",
    "Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can "
    "generate again with other settings.":
        "Scrive il file COPY e, se richiesti, i file di classe di interfaccia. La finestra di dialogo "
        "rimane aperta, quindi è possibile generare di nuovo con altre impostazioni.",
    "Closes the contents of the type library.": "Chiude il contenuto della libreria dei tipi.",
    # String table
    "&About qorvix...": "&Informazioni su qorvix...",
    "The file\n'%1'\nalready exists. Do you want to overwrite it?":
        "Il file\n'%1'\nesiste già. Sovrascriverlo?",
    "The file\n'%1'\ncan not be written to. Please check the file name and path are correct and do not "
    "point to a read-only file.\n%2":
        "Impossibile scrivere nel file\n'%1'\nVerificare che il nome e il percorso del file siano corretti "
        "e non indichino un file di sola lettura.\n%2",
    "The file\n'%1'\nis already open!": "Il file\n'%1'\nè già aperto.",
    "The type library could not be loaded.\n'%1': %2":
        "Impossibile caricare la libreria dei tipi.\n'%1': %2",
    "All files will be generated in the project directory\n'%1'":
        "Tutti i file verranno generati nella directory del progetto\n'%1'",
    "No project found. Continue to generate files?":
        "Nessun progetto trovato. Generare comunque i file?",
    "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface files\n  -p Add copy "
    "file to Orbanel project\n  -o<file> Copy file to generate":
        "Uso: qorvix [-i[d]] [-p] [-o<file>] <libreria>\n  -id Genera i file di interfaccia (duale)\n  -p "
        "Aggiunge il file COPY al progetto Orbanel\n  -o<file> File COPY da generare",
    "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid options.":
        "L'opzione '%1' non è un'opzione valida.\nUsare qorvix -? per visualizzare l'elenco delle opzioni "
        "valide.",
    "Description": "Descrizione",
    "Ver": "Ver.",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has been left as it was.":
        "Il file\n'%1'\nnon è stato scritto completamente: %2\nIl file è rimasto invariato.",
    "Files not written: %1": "File non scritti: %1",
    "answered OK (standard input is not a terminal)":
        "risposta: OK (l'input standard non è un terminale)",
    "answered Cancel (standard input is not a terminal)":
        "risposta: Annulla (l'input standard non è un terminale)",
    "answered Yes (standard input is not a terminal)":
        "risposta: Sì (l'input standard non è un terminale)",
    "answered No (standard input is not a terminal)":
        "risposta: No (l'input standard non è un terminale)",
    "Files not written for the same reason: %1": "File non scritti per lo stesso motivo: %1",
    "Not a regular file": "Non è un file normale",
    "The name holds a control character": "Il nome contiene un carattere di controllo",
    # Answers: message box buttons, and on the terminal the marked letters.
    "Yes to &All": "Sì a &tutti",
    "N&o to All": "No a t&utti",
    "&OK": "&OK",
    "&Cancel": "&Annulla",
    "%1 (%2)": "%1 (%2)",
    "%1 [%2]? ": "%1 [%2]? ",
    "The file\n'%1'\nwas written completely by another run at the same time.\nThat run's file has been kept.":
        "Il file\n'%1'\nè stato scritto completamente da un'altra esecuzione nello stesso momento.\n"
        "Il file di quell'esecuzione è stato mantenuto.",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has not been written.":
        "Il file\n'%1'\nnon è stato scritto completamente: %2\nIl file non è stato creato.",
    # The reader's reasons a library cannot be loaded (message 105's %2)
    "the file is empty": "il file è vuoto",
    "not a type library (unknown file signature)": "non è una libreria dei tipi (firma del file sconosciuta)",
    "is a directory": "è una cartella",
    "is a named pipe, not a file": "è una pipe con nome, non un file",
    "is a socket, not a file": "è un socket, non un file",
    "is a device, not a file": "è un dispositivo, non un file",
    "not a regular file": "non è un file normale",
    "larger than %1 MiB; not read as a type library":
        "più grande di %1 MiB; non viene letto come libreria dei tipi",
    "the file kept changing while it was read": "il file ha continuato a cambiare durante la lettura",
    "the file is too short for an executable header":
        "il file è troppo corto per un'intestazione di eseguibile",
    "the executable header points outside the file": "l'intestazione dell'eseguibile punta fuori dal file",
    "a 16-bit module, not supported": "un modulo a 16 bit, non supportato",
    "not a Windows PE image": "non è un'immagine PE di Windows",
    "truncated PE header": "intestazione PE troncata",
    "unknown PE optional-header magic": "valore magic sconosciuto nell'intestazione facoltativa PE",
    "truncated PE optional header": "intestazione facoltativa PE troncata",
    "truncated PE data directory": "directory dei dati PE troncata",
    "the PE section table runs past the end of the file":
        "la tabella delle sezioni PE va oltre la fine del file",
    "the resource directory lies outside the file": "la directory delle risorse si trova fuori dal file",
    "the file has no TYPELIB resource %1": "il file non ha la risorsa TYPELIB %1",
    "malformed resource directory": "directory delle risorse non valida",
    "malformed resource data entry": "voce dei dati della risorsa non valida",
    "the TYPELIB resource lies outside the file": "la risorsa TYPELIB si trova fuori dal file",
    "this is a .NET assembly; it contains no type library":
        "è un assembly .NET; non contiene alcuna libreria dei tipi",
    "the file has no TYPELIB resource (it may be packed)":
        "il file non ha alcuna risorsa TYPELIB (potrebbe essere compresso)",
    "the TYPELIB resource holds neither an MSFT nor an SLTG type library":
        "la risorsa TYPELIB non contiene né una libreria dei tipi MSFT né una SLTG",
    "truncated MSFT header": "intestazione MSFT troncata",
    "impossible type count": "numero di tipi impossibile",
    "a segment lies outside the library": "un segmento si trova fuori dalla libreria",
    "truncated SLTG header": "intestazione SLTG troncata",
    "truncated SLTG directory": "directory SLTG troncata",
    "not an SLTG stream directory": "non è una directory di flussi SLTG",
    "the SLTG block chain is broken": "la catena di blocchi SLTG è interrotta",
    "an SLTG block lies outside the library": "un blocco SLTG si trova fuori dalla libreria",
    "an SLTG block name is not terminated": "un nome di blocco SLTG non è terminato",
    "the SLTG block chain does not end with the library block":
        "la catena di blocchi SLTG non termina con il blocco della libreria",
    "bad SLTG library block": "blocco della libreria SLTG non valido",
    "the SLTG type count is wrong": "il numero di tipi SLTG è errato",
    "bad SLTG type entries": "voci dei tipi SLTG non valide",
    "an SLTG type entry names the wrong block": "una voce di tipo SLTG indica il blocco sbagliato",
    "unknown SLTG name-table preamble": "preambolo della tabella dei nomi SLTG sconosciuto",
    "the SLTG name table lies outside the library block":
        "la tabella dei nomi SLTG si trova fuori dal blocco della libreria",
    "no file is registered for this version": "nessun file registrato per questa versione",
    "no such file in the Wine prefix": "file inesistente nel prefisso Wine",
    "no registry": "nessun Registro di sistema",
}
