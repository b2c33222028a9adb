<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
    <context>
        <name>DesktopFrontEnd</name>
        <message>
            <source>%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
            <translation>%1: Die Dialoge können nicht angezeigt werden: Es gibt keine Anzeige (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: the display cannot be reached (%2)</source>
            <translation>%1: Die Dialoge können nicht angezeigt werden: Die Anzeige ist nicht erreichbar (%2)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: %2</source>
            <translation>%1: Die Dialoge können nicht angezeigt werden: %2</translation>
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
            <translation>qorvix schreibt COBOL-Quelltext für COM-Typbibliotheken: eine Copy-Datei mit den Typen, Konstanten, Klassen- und Schnittstellenkennungen der Bibliothek und den Aufrufen ihrer Methoden, auf Wunsch auch eine Schnittstellenklassen-Datei je Schnittstelle. Wählen Sie eine registrierte Bibliothek in der Liste (Anzeigen) oder eine Datei (Durchsuchen), sehen Sie sich ihren Inhalt an, wählen Sie die Copy-Datei und die Optionen und klicken Sie auf Erzeugen.</translation>
        </message>
        <message>
            <source>Registered type libraries</source>
            <translation>Registrierte Typbibliotheken</translation>
        </message>
        <message>
            <source>The type libraries registered on this machine, one row per registered version: its description, its version and its library identifier (TLBID). Double-click a row to see its contents.</source>
            <translation>Die auf diesem Rechner registrierten Typbibliotheken, eine Zeile je registrierter Version: Beschreibung, Version und Bibliothekskennung (TLBID). Ein Doppelklick auf eine Zeile zeigt ihren Inhalt.</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Anzeigen</translation>
        </message>
        <message>
            <source>Opens the selected type library and shows its contents, where you can generate COBOL for it.</source>
            <translation>Öffnet die ausgewählte Typbibliothek und zeigt ihren Inhalt; dort können Sie COBOL dafür erzeugen.</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>Durchsuchen</translation>
        </message>
        <message>
            <source>Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its contents.</source>
            <translation>Wählt eine Typbibliotheksdatei (.tlb, .olb, .dll, .ocx), die nicht registriert sein muss, und zeigt ihren Inhalt.</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>Reads the list of registered type libraries again.</source>
            <translation>Liest die Liste der registrierten Typbibliotheken neu.</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Ends the program.</source>
            <translation>Beendet das Programm.</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Opens the qorvix manual.</source>
            <translation>Öffnet das Handbuch von qorvix.</translation>
        </message>
        <message>
            <source>Contents of type library</source>
            <translation>Inhalt der Typbibliothek</translation>
        </message>
        <message>
            <source>The type library as a tree: its interfaces, automation interfaces, enumerations, structures, modules, component classes, typedefs and unions, and under each type its members. Press Enter to open or close the selected item.</source>
            <translation>Die Typbibliothek als Baum: ihre Schnittstellen, Automatisierungsschnittstellen, Aufzählungen, Strukturen, Module, Komponentenklassen, Typdefinitionen und Unions, unter jedem Typ seine Elemente. Die Eingabetaste öffnet oder schließt das ausgewählte Element.</translation>
        </message>
        <message>
            <source>Chooses the copy file to generate.</source>
            <translation>Wählt die zu erzeugende Copy-Datei.</translation>
        </message>
        <message>
            <source>Copy file</source>
            <translation>Copy-Datei</translation>
        </message>
        <message>
            <source>The name of the copy file to generate. A name without a folder is written into the current folder; the interface class files are written beside the copy file.</source>
            <translation>Der Name der zu erzeugenden Copy-Datei. Ein Name ohne Ordner wird in den aktuellen Ordner geschrieben; die Schnittstellenklassen-Dateien entstehen neben der Copy-Datei.</translation>
        </message>
        <message>
            <source>Add file to project</source>
            <translation>Datei zum Projekt hinzufügen</translation>
        </message>
        <message>
            <source>Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to that project. Available when the IDE is installed.</source>
            <translation>Erzeugt die Dateien im Verzeichnis des Projekts, das in der COBOL-IDE geöffnet ist, und fügt die Copy-Datei diesem Projekt hinzu. Verfügbar, wenn die IDE installiert ist.</translation>
        </message>
        <message>
            <source>Generate Interface Classes</source>
            <translation>Schnittstellenklassen erzeugen</translation>
        </message>
        <message>
            <source>Also writes one interface class file for each interface of the library, for calling interfaces that do not support automation.</source>
            <translation>Schreibt zusätzlich für jede Schnittstelle der Bibliothek eine Schnittstellenklassen-Datei, um Schnittstellen ohne Automatisierung aufzurufen.</translation>
        </message>
        <message>
            <source>Generate Dual Interfaces</source>
            <translation>Duale Schnittstellen erzeugen</translation>
        </message>
        <message>
            <source>Also writes interface class files for dual interfaces, which can otherwise be called through automation.</source>
            <translation>Schreibt Schnittstellenklassen-Dateien auch für duale Schnittstellen, die sonst über Automatisierung aufgerufen werden können.</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>Erzeugen</translation>
        </message>
        <message>
            <source>Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can generate again with other settings.</source>
            <translation>Schreibt die Copy-Datei und, falls gewählt, die Schnittstellenklassen-Dateien. Das Dialogfeld bleibt geöffnet, sodass Sie mit anderen Einstellungen erneut erzeugen können.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Closes the contents of the type library.</source>
            <translation>Schließt den Inhalt der Typbibliothek.</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Ja</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Nein</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Ja, &amp;alle</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>Nein, &amp;keine</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>&amp;About qorvix...</source>
            <translation>&amp;Info über qorvix...</translation>
        </message>
        <message>
            <source>The file
'%1'
already exists. Do you want to overwrite it?</source>
            <translation>Die Datei
'%1'
existiert bereits. Möchten Sie sie überschreiben?</translation>
        </message>
        <message>
            <source>The file
'%1'
is already open!</source>
            <translation>Die Datei
'%1'
ist bereits geöffnet!</translation>
        </message>
        <message>
            <source>All files will be generated in the project directory
'%1'</source>
            <translation>Alle Dateien werden im Projektverzeichnis erzeugt:
'%1'</translation>
        </message>
        <message>
            <source>No project found. Continue to generate files?</source>
            <translation>Kein Projekt gefunden. Trotzdem Dateien erzeugen?</translation>
        </message>
        <message>
            <source>Usage: qorvix [-i[d]] [-p] [-o&lt;file&gt;] &lt;typelib&gt;
  -id Generate (Dual) Interface files
  -p Add copy file to Orbanel project
  -o&lt;file&gt; Copy file to generate</source>
            <translation>Aufruf: qorvix [-i[d]] [-p] [-o&lt;Datei&gt;] &lt;Typbibliothek&gt;
  -id (Duale) Schnittstellendateien erzeugen
  -p Copy-Datei zum Orbanel-Projekt hinzufügen
  -o&lt;Datei&gt; Zu erzeugende Copy-Datei</translation>
        </message>
        <message>
            <source>The option '%1' is not a valid option.
Use qorvix -? to view a list of valid options.</source>
            <translation>Die Option '%1' ist keine gültige Option.
Mit qorvix -? erhalten Sie eine Liste der gültigen Optionen.</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Beschreibung</translation>
        </message>
        <message>
            <source>Ver</source>
            <translation>Ver</translation>
        </message>
        <message>
            <source>Files not written: %1</source>
            <translation>Nicht geschriebene Dateien: %1</translation>
        </message>
        <message>
            <source>answered OK (standard input is not a terminal)</source>
            <translation>Antwort: OK (die Standardeingabe ist kein Terminal)</translation>
        </message>
        <message>
            <source>answered Cancel (standard input is not a terminal)</source>
            <translation>Antwort: Abbrechen (die Standardeingabe ist kein Terminal)</translation>
        </message>
        <message>
            <source>answered Yes (standard input is not a terminal)</source>
            <translation>Antwort: Ja (die Standardeingabe ist kein Terminal)</translation>
        </message>
        <message>
            <source>answered No (standard input is not a terminal)</source>
            <translation>Antwort: Nein (die Standardeingabe ist kein Terminal)</translation>
        </message>
        <message>
            <source>The file
'%1'
can not be written to. Please check the file name and path are correct and do not point to a read-only file.
%2</source>
            <translation>In die Datei
'%1'
kann nicht geschrieben werden. Bitte prüfen Sie, ob Dateiname und Pfad stimmen und nicht auf eine schreibgeschützte Datei verweisen.
%2</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has been left as it was.</source>
            <translation>Die Datei
'%1'
konnte nicht vollständig geschrieben werden: %2
Die Datei ist unverändert geblieben.</translation>
        </message>
        <message>
            <source>Files not written for the same reason: %1</source>
            <translation>Aus demselben Grund nicht geschriebene Dateien: %1</translation>
        </message>
        <message>
            <source>Not a regular file</source>
            <translation>Keine reguläre Datei</translation>
        </message>
        <message>
            <source>The file
'%1'
was written completely by another run at the same time.
That run's file has been kept.</source>
            <translation>Die Datei
'%1'
wurde gleichzeitig von einem anderen Lauf vollständig geschrieben.
Die Datei des anderen Laufs wurde beibehalten.</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has not been written.</source>
            <translation>Die Datei
'%1'
konnte nicht vollständig geschrieben werden: %2
Die Datei wurde nicht geschrieben.</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Ja</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Nein</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Ja, &amp;alle</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>Nein, &amp;keine</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Abbrechen</translation>
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
            <translation>Der Name enthält ein Steuerzeichen</translation>
        </message>
        <message>
            <source>The type library could not be loaded.
'%1': %2</source>
            <translation>Die Typbibliothek konnte nicht geladen werden.
'%1': %2</translation>
        </message>
        <message>
            <source>the file is empty</source>
            <translation>die Datei ist leer</translation>
        </message>
        <message>
            <source>not a type library (unknown file signature)</source>
            <translation>keine Typbibliothek (unbekannte Dateisignatur)</translation>
        </message>
        <message>
            <source>is a directory</source>
            <translation>ist ein Ordner</translation>
        </message>
        <message>
            <source>is a named pipe, not a file</source>
            <translation>ist eine benannte Pipe, keine Datei</translation>
        </message>
        <message>
            <source>is a socket, not a file</source>
            <translation>ist ein Socket, keine Datei</translation>
        </message>
        <message>
            <source>is a device, not a file</source>
            <translation>ist ein Gerät, keine Datei</translation>
        </message>
        <message>
            <source>not a regular file</source>
            <translation>keine reguläre Datei</translation>
        </message>
        <message>
            <source>larger than %1 MiB; not read as a type library</source>
            <translation>größer als %1 MiB; wird nicht als Typbibliothek gelesen</translation>
        </message>
        <message>
            <source>the file kept changing while it was read</source>
            <translation>die Datei hat sich beim Lesen ständig geändert</translation>
        </message>
        <message>
            <source>the file is too short for an executable header</source>
            <translation>die Datei ist zu kurz für den Header einer ausführbaren Datei</translation>
        </message>
        <message>
            <source>the executable header points outside the file</source>
            <translation>der Header der ausführbaren Datei verweist auf eine Stelle außerhalb der Datei</translation>
        </message>
        <message>
            <source>a 16-bit module, not supported</source>
            <translation>ein 16-Bit-Modul, nicht unterstützt</translation>
        </message>
        <message>
            <source>not a Windows PE image</source>
            <translation>kein Windows-PE-Image</translation>
        </message>
        <message>
            <source>truncated PE header</source>
            <translation>abgeschnittener PE-Header</translation>
        </message>
        <message>
            <source>unknown PE optional-header magic</source>
            <translation>unbekannter Magic-Wert im optionalen PE-Header</translation>
        </message>
        <message>
            <source>truncated PE optional header</source>
            <translation>abgeschnittener optionaler PE-Header</translation>
        </message>
        <message>
            <source>truncated PE data directory</source>
            <translation>abgeschnittenes PE-Datenverzeichnis</translation>
        </message>
        <message>
            <source>the PE section table runs past the end of the file</source>
            <translation>die PE-Abschnittstabelle reicht über das Dateiende hinaus</translation>
        </message>
        <message>
            <source>the resource directory lies outside the file</source>
            <translation>das Ressourcenverzeichnis liegt außerhalb der Datei</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource %1</source>
            <translation>die Datei hat keine TYPELIB-Ressource %1</translation>
        </message>
        <message>
            <source>malformed resource directory</source>
            <translation>fehlerhaftes Ressourcenverzeichnis</translation>
        </message>
        <message>
            <source>malformed resource data entry</source>
            <translation>fehlerhafter Ressourcendateneintrag</translation>
        </message>
        <message>
            <source>the TYPELIB resource lies outside the file</source>
            <translation>die TYPELIB-Ressource liegt außerhalb der Datei</translation>
        </message>
        <message>
            <source>this is a .NET assembly; it contains no type library</source>
            <translation>dies ist eine .NET-Assembly; sie enthält keine Typbibliothek</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource (it may be packed)</source>
            <translation>die Datei hat keine TYPELIB-Ressource (sie ist möglicherweise gepackt)</translation>
        </message>
        <message>
            <source>the TYPELIB resource holds neither an MSFT nor an SLTG type library</source>
            <translation>die TYPELIB-Ressource enthält weder eine MSFT- noch eine SLTG-Typbibliothek</translation>
        </message>
        <message>
            <source>truncated MSFT header</source>
            <translation>abgeschnittener MSFT-Header</translation>
        </message>
        <message>
            <source>impossible type count</source>
            <translation>unmögliche Anzahl von Typen</translation>
        </message>
        <message>
            <source>a segment lies outside the library</source>
            <translation>ein Segment liegt außerhalb der Bibliothek</translation>
        </message>
        <message>
            <source>truncated SLTG header</source>
            <translation>abgeschnittener SLTG-Header</translation>
        </message>
        <message>
            <source>truncated SLTG directory</source>
            <translation>abgeschnittenes SLTG-Verzeichnis</translation>
        </message>
        <message>
            <source>not an SLTG stream directory</source>
            <translation>kein SLTG-Streamverzeichnis</translation>
        </message>
        <message>
            <source>the SLTG block chain is broken</source>
            <translation>die SLTG-Blockkette ist unterbrochen</translation>
        </message>
        <message>
            <source>an SLTG block lies outside the library</source>
            <translation>ein SLTG-Block liegt außerhalb der Bibliothek</translation>
        </message>
        <message>
            <source>an SLTG block name is not terminated</source>
            <translation>ein SLTG-Blockname ist nicht abgeschlossen</translation>
        </message>
        <message>
            <source>the SLTG block chain does not end with the library block</source>
            <translation>die SLTG-Blockkette endet nicht mit dem Bibliotheksblock</translation>
        </message>
        <message>
            <source>bad SLTG library block</source>
            <translation>fehlerhafter SLTG-Bibliotheksblock</translation>
        </message>
        <message>
            <source>the SLTG type count is wrong</source>
            <translation>die SLTG-Typanzahl ist falsch</translation>
        </message>
        <message>
            <source>bad SLTG type entries</source>
            <translation>fehlerhafte SLTG-Typeinträge</translation>
        </message>
        <message>
            <source>an SLTG type entry names the wrong block</source>
            <translation>ein SLTG-Typeintrag verweist auf den falschen Block</translation>
        </message>
        <message>
            <source>unknown SLTG name-table preamble</source>
            <translation>unbekannte Präambel der SLTG-Namenstabelle</translation>
        </message>
        <message>
            <source>the SLTG name table lies outside the library block</source>
            <translation>die SLTG-Namenstabelle liegt außerhalb des Bibliotheksblocks</translation>
        </message>
        <message>
            <source>no file is registered for this version</source>
            <translation>für diese Version ist keine Datei registriert</translation>
        </message>
        <message>
            <source>no such file in the Wine prefix</source>
            <translation>keine solche Datei im Wine-Präfix</translation>
        </message>
        <message>
            <source>no registry</source>
            <translation>keine Registrierungsdatenbank</translation>
        </message>
    </context>
    <context>
        <name>TreeLabels</name>
        <message>
            <source>Interfaces</source>
            <translation>Schnittstellen</translation>
        </message>
        <message>
            <source>Automation Interfaces</source>
            <translation>Automatisierungsschnittstellen</translation>
        </message>
        <message>
            <source>Enumerations</source>
            <translation>Aufzählungen</translation>
        </message>
        <message>
            <source>Structures</source>
            <translation>Strukturen</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>Module</translation>
        </message>
        <message>
            <source>CoClasses</source>
            <translation>Komponentenklassen</translation>
        </message>
        <message>
            <source>Typedefs</source>
            <translation>Typdefinitionen</translation>
        </message>
        <message>
            <source>Unions</source>
            <translation>Unions</translation>
        </message>
        <message>
            <source>Functions</source>
            <translation>Funktionen</translation>
        </message>
        <message>
            <source>Methods</source>
            <translation>Methoden</translation>
        </message>
        <message>
            <source>Constants</source>
            <translation>Konstanten</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>Eigenschaften</translation>
        </message>
        <message>
            <source>Inherited Interfaces</source>
            <translation>Geerbte Schnittstellen</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CAboutDlg</name>
        <message>
            <source>About Pellarine</source>
            <translation>Info über Pellarine</translation>
        </message>
        <message>
            <source>QORVIX Version 1.0.17</source>
            <translation>QORVIX Version 1.0.17</translation>
        </message>
        <message>
            <source>COBOL for COM type libraries.</source>
            <translation>COBOL für COM-Typbibliotheken.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
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
            <translation>Inhalt der Typbibliothek:</translation>
        </message>
        <message>
            <source>COBOL</source>
            <translation>COBOL</translation>
        </message>
        <message>
            <source>Copy file:</source>
            <translation>Copy-Datei:</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Durchsuchen...</translation>
        </message>
        <message>
            <source>Add &amp;file to project</source>
            <translation>Datei zum &amp;Projekt hinzufügen</translation>
        </message>
        <message>
            <source>Generate &amp;Interface Classes</source>
            <translation>&amp;Schnittstellenklassen erzeugen</translation>
        </message>
        <message>
            <source>Generate &amp;Dual Interfaces</source>
            <translation>D&amp;uale Schnittstellen erzeugen</translation>
        </message>
        <message>
            <source>&amp;Generate</source>
            <translation>&amp;Erzeugen</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>COM (non-automation) support</source>
            <translation>COM-Unterstützung (ohne Automatisierung)</translation>
        </message>
        <message>
            <source>Select copy file</source>
            <translation>Copy-Datei auswählen</translation>
        </message>
        <message>
            <source>Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||</source>
            <translation>Copy-Dateien (*.cpy)|*.cpy|Alle Dateien (*.*)|*.*||</translation>
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
            <translation>Registrierte Typbibliotheken:</translation>
        </message>
        <message>
            <source>&amp;View...</source>
            <translation>&amp;Anzeigen...</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Durchsuchen...</translation>
        </message>
        <message>
            <source>&amp;Refresh</source>
            <translation>A&amp;ktualisieren</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Schließen</translation>
        </message>
        <message>
            <source>Select a type library</source>
            <translation>Typbibliothek auswählen</translation>
        </message>
        <message>
            <source>Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||</source>
            <translation>Typbibliotheken (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|Alle Dateien (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::Help</name>
        <message>
            <source>&amp;What's This?</source>
            <translation>&amp;Direkthilfe</translation>
        </message>
        <message>
            <source>qorvix Help</source>
            <translation>qorvix-Hilfe</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
    </context>
</TS>
