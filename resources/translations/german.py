"""German (qorvix.deu). The table of one language: its glossary first, then
every source text with its translation (translate.py fills qorvix_de.ts
from it and checks it)."""

CODE = "de"
BRACKETED = False  # accelerators on a letter of the text

# The terms, as the platform's German texts use them. translate.py checks
# that a text which says the English term says one of these.
GLOSSARY = {
    "type library": "Typbibliothek",
    "interface": "Schnittstelle",
    "dispinterface": ("Dispatchschnittstelle", "Automatisierungsschnittstelle"),
    "automation": "Automatisierung",
    "copy file": "Copy-Datei",
    "class file": "Schnittstellenklassen-Datei",
    "project": "Projekt",
    "registered": "registriert",
}

TEXTS = {
    # Dialogs
    "About Pellarine": "Info über Pellarine",
    "QORVIX Version 1.0.17": "QORVIX Version 1.0.17",
    "COBOL for COM type libraries.": "COBOL für COM-Typbibliotheken.",
    "OK": "OK",
    "Pellarine": "Pellarine",
    "Contents of type library:": "Inhalt der Typbibliothek:",
    "COBOL": "COBOL",
    "Copy file:": "Copy-Datei:",
    "&Browse...": "&Durchsuchen...",
    "Add &file to project": "Datei zum &Projekt hinzufügen",
    "Generate &Interface Classes": "&Schnittstellenklassen erzeugen",
    "Generate &Dual Interfaces": "D&uale Schnittstellen erzeugen",
    "&Generate": "&Erzeugen",
    "Cancel": "Abbrechen",
    "COM (non-automation) support": "COM-Unterstützung (ohne Automatisierung)",
    "Select copy file": "Copy-Datei auswählen",
    "Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||": "Copy-Dateien (*.cpy)|*.cpy|Alle Dateien (*.*)|*.*||",
    "Registered type libraries:": "Registrierte Typbibliotheken:",
    "&View...": "&Anzeigen...",
    "&Refresh": "A&ktualisieren",
    "Close": "Schließen",
    "&Help": "&Hilfe",
    "&Close": "&Schließen",
    "Select a type library": "Typbibliothek auswählen",
    "Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||":
        "Typbibliotheken (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|Alle Dateien (*.*)|*.*||",
    "&What's This?": "&Direkthilfe",
    "qorvix Help": "qorvix-Hilfe",
    "&Yes": "&Ja",
    "&No": "&Nein",
    # The desktop front end's console messages
    "%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)":
        "%1: Die Dialoge können nicht angezeigt werden: Es gibt keine Anzeige (DISPLAY und "
        "WAYLAND_DISPLAY sind nicht gesetzt)",
    "%1: cannot show the dialogs: the display cannot be reached (%2)":
        "%1: Die Dialoge können nicht angezeigt werden: Die Anzeige ist nicht erreichbar (%2)",
    "%1: cannot show the dialogs: %2":
        "%1: Die Dialoge können nicht angezeigt werden: %2",
    # Labels of the tree
    "Interfaces": "Schnittstellen",
    "Automation Interfaces": "Automatisierungsschnittstellen",
    "Enumerations": "Aufzählungen",
    "Structures": "Strukturen",
    "Modules": "Module",
    "CoClasses": "Komponentenklassen",
    "Typedefs": "Typdefinitionen",
    "Unions": "Unions",
    "Functions": "Funktionen",
    "Methods": "Methoden",
    "Constants": "Konstanten",
    "Properties": "Eigenschaften",
    "Inherited Interfaces": "Geerbte Schnittstellen",
    # Help topics
    "qorvix": "qorvix",
    "qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, "
    "class and interface identifiers and the invoke phrases of its methods, and on request one interface "
    "class file per interface. Pick a registered library in the list (View) or a file (Browse), look at "
    "its contents, choose the copy file and the options, and press Generate.":
        "qorvix schreibt COBOL-Quelltext für COM-Typbibliotheken: eine Copy-Datei mit den Typen, "
        "Konstanten, Klassen- und Schnittstellenkennungen der Bibliothek und den Aufrufen ihrer Methoden, "
        "auf Wunsch auch eine Schnittstellenklassen-Datei je Schnittstelle. Wählen Sie eine registrierte "
        "Bibliothek in der Liste (Anzeigen) oder eine Datei (Durchsuchen), sehen Sie sich ihren Inhalt an, "
        "wählen Sie die Copy-Datei und die Optionen und klicken Sie auf Erzeugen.",
    "Registered type libraries": "Registrierte Typbibliotheken",
    "The type libraries registered on this machine, one row per registered version: its description, its "
    "version and its library identifier (TLBID). Double-click a row to see its contents.":
        "Die auf diesem Rechner registrierten Typbibliotheken, eine Zeile je registrierter Version: "
        "Beschreibung, Version und Bibliothekskennung (TLBID). Ein Doppelklick auf eine Zeile zeigt ihren "
        "Inhalt.",
    "View": "Anzeigen",
    "Opens the selected type library and shows its contents, where you can generate COBOL for it.":
        "Öffnet die ausgewählte Typbibliothek und zeigt ihren Inhalt; dort können Sie COBOL dafür erzeugen.",
    "Browse": "Durchsuchen",
    "Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its "
    "contents.":
        "Wählt eine Typbibliotheksdatei (.tlb, .olb, .dll, .ocx), die nicht registriert sein muss, und "
        "zeigt ihren Inhalt.",
    "Refresh": "Aktualisieren",
    "Reads the list of registered type libraries again.": "Liest die Liste der registrierten Typbibliotheken neu.",
    "Ends the program.": "Beendet das Programm.",
    "Help": "Hilfe",
    "Opens the qorvix manual.": "Öffnet das Handbuch von qorvix.",
    "Contents of type library": "Inhalt der Typbibliothek",
    "The type library as a tree: its interfaces, automation interfaces, enumerations, structures, "
    "modules, component classes, typedefs and unions, and under each type its members. Press Enter to "
    "open or close the selected item.":
        "Die Typbibliothek als Baum: ihre Schnittstellen, Automatisierungsschnittstellen, Aufzählungen, "
        "Strukturen, Module, Komponentenklassen, Typdefinitionen und Unions, unter jedem Typ seine "
        "Elemente. Die Eingabetaste öffnet oder schließt das ausgewählte Element.",
    "Chooses the copy file to generate.": "Wählt die zu erzeugende Copy-Datei.",
    "Copy file": "Copy-Datei",
    "The name of the copy file to generate. A name without a folder is written into the current folder; "
    "the interface class files are written beside the copy file.":
        "Der Name der zu erzeugenden Copy-Datei. Ein Name ohne Ordner wird in den aktuellen Ordner "
        "geschrieben; die Schnittstellenklassen-Dateien entstehen neben der Copy-Datei.",
    "Add file to project": "Datei zum Projekt hinzufügen",
    "Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to "
    "that project. Available when the IDE is installed.":
        "Erzeugt die Dateien im Verzeichnis des Projekts, das in der COBOL-IDE geöffnet ist, und fügt die "
        "Copy-Datei diesem Projekt hinzu. Verfügbar, wenn die IDE installiert ist.",
    "Generate Interface Classes": "Schnittstellenklassen erzeugen",
    "Also writes one interface class file for each interface of the library, for calling interfaces "
    "that do not support automation.":
        "Schreibt zusätzlich für jede Schnittstelle der Bibliothek eine Schnittstellenklassen-Datei, um "
        "Schnittstellen ohne Automatisierung aufzurufen.",
    "Generate Dual Interfaces": "Duale Schnittstellen erzeugen",
    "Also writes interface class files for dual interfaces, which can otherwise be called through "
    "automation.":
        "Schreibt Schnittstellenklassen-Dateien auch für duale Schnittstellen, die sonst über "
        "Automatisierung aufgerufen werden können.",
    "Generate": "Erzeugen",
    "Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can "
    "generate again with other settings.":
        "Schreibt die Copy-Datei und, falls gewählt, die Schnittstellenklassen-Dateien. Das Dialogfeld "
        "bleibt geöffnet, sodass Sie mit anderen Einstellungen erneut erzeugen können.",
    "Closes the contents of the type library.": "Schließt den Inhalt der Typbibliothek.",
    # String table
    "&About qorvix...": "&Info über qorvix...",
    "The file\n'%1'\nalready exists. Do you want to overwrite it?":
        "Die Datei\n'%1'\nexistiert bereits. Möchten Sie sie überschreiben?",
    "The file\n'%1'\ncan not be written to. Please check the file name and path are correct and do not "
    "point to a read-only file.\n%2":
        "In die Datei\n'%1'\nkann nicht geschrieben werden. Bitte prüfen Sie, ob Dateiname und Pfad "
        "stimmen und nicht auf eine schreibgeschützte Datei verweisen.\n%2",
    "The file\n'%1'\nis already open!": "Die Datei\n'%1'\nist bereits geöffnet!",
    "The type library could not be loaded.\n'%1': %2":
        "Die Typbibliothek konnte nicht geladen werden.\n'%1': %2",
    "All files will be generated in the project directory\n'%1'":
        "Alle Dateien werden im Projektverzeichnis erzeugt:\n'%1'",
    "No project found. Continue to generate files?": "Kein Projekt gefunden. Trotzdem Dateien erzeugen?",
    "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface files\n  -p Add copy "
    "file to Orbanel project\n  -o<file> Copy file to generate":
        "Aufruf: qorvix [-i[d]] [-p] [-o<Datei>] <Typbibliothek>\n  -id (Duale) Schnittstellendateien "
        "erzeugen\n  -p Copy-Datei zum Orbanel-Projekt hinzufügen\n  -o<Datei> Zu erzeugende Copy-Datei",
    "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid options.":
        "Die Option '%1' ist keine gültige Option.\nMit qorvix -? erhalten Sie eine Liste der gültigen "
        "Optionen.",
    "Description": "Beschreibung",
    "Ver": "Ver",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has been left as it was.":
        "Die Datei\n'%1'\nkonnte nicht vollständig geschrieben werden: %2\nDie Datei ist unverändert "
        "geblieben.",
    "Files not written: %1": "Nicht geschriebene Dateien: %1",
    "answered OK (standard input is not a terminal)": "Antwort: OK (die Standardeingabe ist kein Terminal)",
    "answered Cancel (standard input is not a terminal)":
        "Antwort: Abbrechen (die Standardeingabe ist kein Terminal)",
    "answered Yes (standard input is not a terminal)": "Antwort: Ja (die Standardeingabe ist kein Terminal)",
    "answered No (standard input is not a terminal)": "Antwort: Nein (die Standardeingabe ist kein Terminal)",
    "Files not written for the same reason: %1": "Aus demselben Grund nicht geschriebene Dateien: %1",
    "Not a regular file": "Keine reguläre Datei",
    "The file\n'%1'\nwas written completely by another run at the same time.\nThat run's file has been kept.":
        "Die Datei\n'%1'\nwurde gleichzeitig von einem anderen Lauf vollständig geschrieben.\nDie Datei des "
        "anderen Laufs wurde beibehalten.",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has not been written.":
        "Die Datei\n'%1'\nkonnte nicht vollständig geschrieben werden: %2\nDie Datei wurde nicht "
        "geschrieben.",
    # Answers: message box buttons, and on the terminal the marked letters
    # give the answers (j, n, a, k; y, n, a, o work as well).
    "Yes to &All": "Ja, &alle",
    "N&o to All": "Nein, &keine",
    "&OK": "&OK",
    "&Cancel": "&Abbrechen",
    "%1 (%2)": "%1 (%2)",
    "%1 [%2]? ": "%1 [%2]? ",
    "The name holds a control character": "Der Name enthält ein Steuerzeichen",
    # The reader's reasons a library cannot be loaded (message 105's %2)
    "the file is empty": "die Datei ist leer",
    "not a type library (unknown file signature)": "keine Typbibliothek (unbekannte Dateisignatur)",
    "is a directory": "ist ein Ordner",
    "is a named pipe, not a file": "ist eine benannte Pipe, keine Datei",
    "is a socket, not a file": "ist ein Socket, keine Datei",
    "is a device, not a file": "ist ein Gerät, keine Datei",
    "not a regular file": "keine reguläre Datei",
    "larger than %1 MiB; not read as a type library":
        "größer als %1 MiB; wird nicht als Typbibliothek gelesen",
    "the file kept changing while it was read": "die Datei hat sich beim Lesen ständig geändert",
    "the file is too short for an executable header":
        "die Datei ist zu kurz für den Header einer ausführbaren Datei",
    "the executable header points outside the file":
        "der Header der ausführbaren Datei verweist auf eine Stelle außerhalb der Datei",
    "a 16-bit module, not supported": "ein 16-Bit-Modul, nicht unterstützt",
    "not a Windows PE image": "kein Windows-PE-Image",
    "truncated PE header": "abgeschnittener PE-Header",
    "unknown PE optional-header magic": "unbekannter Magic-Wert im optionalen PE-Header",
    "truncated PE optional header": "abgeschnittener optionaler PE-Header",
    "truncated PE data directory": "abgeschnittenes PE-Datenverzeichnis",
    "the PE section table runs past the end of the file":
        "die PE-Abschnittstabelle reicht über das Dateiende hinaus",
    "the resource directory lies outside the file": "das Ressourcenverzeichnis liegt außerhalb der Datei",
    "the file has no TYPELIB resource %1": "die Datei hat keine TYPELIB-Ressource %1",
    "malformed resource directory": "fehlerhaftes Ressourcenverzeichnis",
    "malformed resource data entry": "fehlerhafter Ressourcendateneintrag",
    "the TYPELIB resource lies outside the file": "die TYPELIB-Ressource liegt außerhalb der Datei",
    "this is a .NET assembly; it contains no type library":
        "dies ist eine .NET-Assembly; sie enthält keine Typbibliothek",
    "the file has no TYPELIB resource (it may be packed)":
        "die Datei hat keine TYPELIB-Ressource (sie ist möglicherweise gepackt)",
    "the TYPELIB resource holds neither an MSFT nor an SLTG type library":
        "die TYPELIB-Ressource enthält weder eine MSFT- noch eine SLTG-Typbibliothek",
    "truncated MSFT header": "abgeschnittener MSFT-Header",
    "impossible type count": "unmögliche Anzahl von Typen",
    "a segment lies outside the library": "ein Segment liegt außerhalb der Bibliothek",
    "truncated SLTG header": "abgeschnittener SLTG-Header",
    "truncated SLTG directory": "abgeschnittenes SLTG-Verzeichnis",
    "not an SLTG stream directory": "kein SLTG-Streamverzeichnis",
    "the SLTG block chain is broken": "die SLTG-Blockkette ist unterbrochen",
    "an SLTG block lies outside the library": "ein SLTG-Block liegt außerhalb der Bibliothek",
    "an SLTG block name is not terminated": "ein SLTG-Blockname ist nicht abgeschlossen",
    "the SLTG block chain does not end with the library block":
        "die SLTG-Blockkette endet nicht mit dem Bibliotheksblock",
    "bad SLTG library block": "fehlerhafter SLTG-Bibliotheksblock",
    "the SLTG type count is wrong": "die SLTG-Typanzahl ist falsch",
    "bad SLTG type entries": "fehlerhafte SLTG-Typeinträge",
    "an SLTG type entry names the wrong block": "ein SLTG-Typeintrag verweist auf den falschen Block",
    "unknown SLTG name-table preamble": "unbekannte Präambel der SLTG-Namenstabelle",
    "the SLTG name table lies outside the library block":
        "die SLTG-Namenstabelle liegt außerhalb des Bibliotheksblocks",
    "no file is registered for this version": "für diese Version ist keine Datei registriert",
    "no such file in the Wine prefix": "keine solche Datei im Wine-Präfix",
    "no registry": "keine Registrierungsdatenbank",
}
