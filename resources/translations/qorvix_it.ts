<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
    <context>
        <name>DesktopFrontEnd</name>
        <message>
            <source>%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
            <translation>%1: impossibile mostrare le finestre di dialogo: non è disponibile alcun display (DISPLAY e WAYLAND_DISPLAY non sono impostate)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: the display cannot be reached (%2)</source>
            <translation>%1: impossibile mostrare le finestre di dialogo: il display non è raggiungibile (%2)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: %2</source>
            <translation>%1: impossibile mostrare le finestre di dialogo: %2</translation>
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
            <translation>qorvix scrive codice sorgente COBOL per le librerie dei tipi COM: un file COPY con i tipi, le costanti, gli identificatori di classe e di interfaccia della libreria e le istruzioni INVOKE dei suoi metodi e, su richiesta, un file di classe di interfaccia per ogni interfaccia. Scegliere una libreria registrata nell'elenco (Visualizza) o un file (Sfoglia), esaminarne il contenuto, scegliere il file COPY e le opzioni e fare clic su Genera.</translation>
        </message>
        <message>
            <source>Registered type libraries</source>
            <translation>Librerie dei tipi registrate</translation>
        </message>
        <message>
            <source>The type libraries registered on this machine, one row per registered version: its description, its version and its library identifier (TLBID). Double-click a row to see its contents.</source>
            <translation>Le librerie dei tipi registrate in questo computer, una riga per ogni versione registrata: la descrizione, la versione e l'identificatore della libreria (TLBID). Fare doppio clic su una riga per visualizzarne il contenuto.</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Visualizza</translation>
        </message>
        <message>
            <source>Opens the selected type library and shows its contents, where you can generate COBOL for it.</source>
            <translation>Apre la libreria dei tipi selezionata e ne mostra il contenuto, da cui è possibile generare COBOL.</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>Sfoglia</translation>
        </message>
        <message>
            <source>Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its contents.</source>
            <translation>Sceglie un file di libreria dei tipi (.tlb, .olb, .dll, .ocx), anche non registrato, e ne mostra il contenuto.</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Aggiorna</translation>
        </message>
        <message>
            <source>Reads the list of registered type libraries again.</source>
            <translation>Legge di nuovo l'elenco delle librerie dei tipi registrate.</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>Ends the program.</source>
            <translation>Chiude il programma.</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Guida</translation>
        </message>
        <message>
            <source>Opens the qorvix manual.</source>
            <translation>Apre il manuale di qorvix.</translation>
        </message>
        <message>
            <source>Contents of type library</source>
            <translation>Contenuto della libreria dei tipi</translation>
        </message>
        <message>
            <source>The type library as a tree: its interfaces, automation interfaces, enumerations, structures, modules, component classes, typedefs and unions, and under each type its members. Press Enter to open or close the selected item.</source>
            <translation>La libreria dei tipi sotto forma di albero: le interfacce, le interfacce di automazione, le enumerazioni, le strutture, i moduli, le classi di componenti, le definizioni di tipo e le unioni e, sotto ogni tipo, i suoi membri. Premere INVIO per espandere o comprimere l'elemento selezionato.</translation>
        </message>
        <message>
            <source>Chooses the copy file to generate.</source>
            <translation>Sceglie il file COPY da generare.</translation>
        </message>
        <message>
            <source>Copy file</source>
            <translation>File COPY</translation>
        </message>
        <message>
            <source>The name of the copy file to generate. A name without a folder is written into the current folder; the interface class files are written beside the copy file.</source>
            <translation>Il nome del file COPY da generare. Un nome senza cartella viene scritto nella cartella corrente; i file di classe di interfaccia vengono scritti accanto al file COPY.</translation>
        </message>
        <message>
            <source>Add file to project</source>
            <translation>Aggiungi il file al progetto</translation>
        </message>
        <message>
            <source>Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to that project. Available when the IDE is installed.</source>
            <translation>Genera i file nella directory del progetto aperto nell'IDE COBOL e aggiunge il file COPY a tale progetto. Disponibile quando l'IDE è installato.</translation>
        </message>
        <message>
            <source>Generate Interface Classes</source>
            <translation>Genera classi di interfaccia</translation>
        </message>
        <message>
            <source>Also writes one interface class file for each interface of the library, for calling interfaces that do not support automation.</source>
            <translation>Scrive inoltre un file di classe di interfaccia per ogni interfaccia della libreria, per chiamare le interfacce che non supportano l'automazione.</translation>
        </message>
        <message>
            <source>Generate Dual Interfaces</source>
            <translation>Genera interfacce duali</translation>
        </message>
        <message>
            <source>Also writes interface class files for dual interfaces, which can otherwise be called through automation.</source>
            <translation>Scrive file di classe di interfaccia anche per le interfacce duali, che altrimenti possono essere chiamate tramite automazione.</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>Genera</translation>
        </message>
        <message>
            <source>Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can generate again with other settings.</source>
            <translation>Scrive il file COPY e, se richiesti, i file di classe di interfaccia. La finestra di dialogo rimane aperta, quindi è possibile generare di nuovo con altre impostazioni.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Closes the contents of the type library.</source>
            <translation>Chiude il contenuto della libreria dei tipi.</translation>
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
            <translation>Annulla</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Sì</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Sì a &amp;tutti</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>No a t&amp;utti</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>&amp;About qorvix...</source>
            <translation>&amp;Informazioni su qorvix...</translation>
        </message>
        <message>
            <source>The file
'%1'
already exists. Do you want to overwrite it?</source>
            <translation>Il file
'%1'
esiste già. Sovrascriverlo?</translation>
        </message>
        <message>
            <source>The file
'%1'
can not be written to. Please check the file name and path are correct and do not point to a read-only file.
%2</source>
            <translation>Impossibile scrivere nel file
'%1'
Verificare che il nome e il percorso del file siano corretti e non indichino un file di sola lettura.
%2</translation>
        </message>
        <message>
            <source>The file
'%1'
is already open!</source>
            <translation>Il file
'%1'
è già aperto.</translation>
        </message>
        <message>
            <source>All files will be generated in the project directory
'%1'</source>
            <translation>Tutti i file verranno generati nella directory del progetto
'%1'</translation>
        </message>
        <message>
            <source>No project found. Continue to generate files?</source>
            <translation>Nessun progetto trovato. Generare comunque i file?</translation>
        </message>
        <message>
            <source>Usage: qorvix [-i[d]] [-p] [-o&lt;file&gt;] &lt;typelib&gt;
  -id Generate (Dual) Interface files
  -p Add copy file to Orbanel project
  -o&lt;file&gt; Copy file to generate</source>
            <translation>Uso: qorvix [-i[d]] [-p] [-o&lt;file&gt;] &lt;libreria&gt;
  -id Genera i file di interfaccia (duale)
  -p Aggiunge il file COPY al progetto Orbanel
  -o&lt;file&gt; File COPY da generare</translation>
        </message>
        <message>
            <source>The option '%1' is not a valid option.
Use qorvix -? to view a list of valid options.</source>
            <translation>L'opzione '%1' non è un'opzione valida.
Usare qorvix -? per visualizzare l'elenco delle opzioni valide.</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Descrizione</translation>
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
            <translation>Il file
'%1'
non è stato scritto completamente: %2
Il file è rimasto invariato.</translation>
        </message>
        <message>
            <source>Files not written: %1</source>
            <translation>File non scritti: %1</translation>
        </message>
        <message>
            <source>answered OK (standard input is not a terminal)</source>
            <translation>risposta: OK (l'input standard non è un terminale)</translation>
        </message>
        <message>
            <source>answered Cancel (standard input is not a terminal)</source>
            <translation>risposta: Annulla (l'input standard non è un terminale)</translation>
        </message>
        <message>
            <source>answered Yes (standard input is not a terminal)</source>
            <translation>risposta: Sì (l'input standard non è un terminale)</translation>
        </message>
        <message>
            <source>answered No (standard input is not a terminal)</source>
            <translation>risposta: No (l'input standard non è un terminale)</translation>
        </message>
        <message>
            <source>Files not written for the same reason: %1</source>
            <translation>File non scritti per lo stesso motivo: %1</translation>
        </message>
        <message>
            <source>Not a regular file</source>
            <translation>Non è un file normale</translation>
        </message>
        <message>
            <source>The file
'%1'
was written completely by another run at the same time.
That run's file has been kept.</source>
            <translation>Il file
'%1'
è stato scritto completamente da un'altra esecuzione nello stesso momento.
Il file di quell'esecuzione è stato mantenuto.</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has not been written.</source>
            <translation>Il file
'%1'
non è stato scritto completamente: %2
Il file non è stato creato.</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Sì</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Sì a &amp;tutti</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>No a t&amp;utti</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Annulla</translation>
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
            <translation>Il nome contiene un carattere di controllo</translation>
        </message>
        <message>
            <source>The type library could not be loaded.
'%1': %2</source>
            <translation>Impossibile caricare la libreria dei tipi.
'%1': %2</translation>
        </message>
        <message>
            <source>the file is empty</source>
            <translation>il file è vuoto</translation>
        </message>
        <message>
            <source>not a type library (unknown file signature)</source>
            <translation>non è una libreria dei tipi (firma del file sconosciuta)</translation>
        </message>
        <message>
            <source>is a directory</source>
            <translation>è una cartella</translation>
        </message>
        <message>
            <source>is a named pipe, not a file</source>
            <translation>è una pipe con nome, non un file</translation>
        </message>
        <message>
            <source>is a socket, not a file</source>
            <translation>è un socket, non un file</translation>
        </message>
        <message>
            <source>is a device, not a file</source>
            <translation>è un dispositivo, non un file</translation>
        </message>
        <message>
            <source>not a regular file</source>
            <translation>non è un file normale</translation>
        </message>
        <message>
            <source>larger than %1 MiB; not read as a type library</source>
            <translation>più grande di %1 MiB; non viene letto come libreria dei tipi</translation>
        </message>
        <message>
            <source>the file kept changing while it was read</source>
            <translation>il file ha continuato a cambiare durante la lettura</translation>
        </message>
        <message>
            <source>the file is too short for an executable header</source>
            <translation>il file è troppo corto per un'intestazione di eseguibile</translation>
        </message>
        <message>
            <source>the executable header points outside the file</source>
            <translation>l'intestazione dell'eseguibile punta fuori dal file</translation>
        </message>
        <message>
            <source>a 16-bit module, not supported</source>
            <translation>un modulo a 16 bit, non supportato</translation>
        </message>
        <message>
            <source>not a Windows PE image</source>
            <translation>non è un'immagine PE di Windows</translation>
        </message>
        <message>
            <source>truncated PE header</source>
            <translation>intestazione PE troncata</translation>
        </message>
        <message>
            <source>unknown PE optional-header magic</source>
            <translation>valore magic sconosciuto nell'intestazione facoltativa PE</translation>
        </message>
        <message>
            <source>truncated PE optional header</source>
            <translation>intestazione facoltativa PE troncata</translation>
        </message>
        <message>
            <source>truncated PE data directory</source>
            <translation>directory dei dati PE troncata</translation>
        </message>
        <message>
            <source>the PE section table runs past the end of the file</source>
            <translation>la tabella delle sezioni PE va oltre la fine del file</translation>
        </message>
        <message>
            <source>the resource directory lies outside the file</source>
            <translation>la directory delle risorse si trova fuori dal file</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource %1</source>
            <translation>il file non ha la risorsa TYPELIB %1</translation>
        </message>
        <message>
            <source>malformed resource directory</source>
            <translation>directory delle risorse non valida</translation>
        </message>
        <message>
            <source>malformed resource data entry</source>
            <translation>voce dei dati della risorsa non valida</translation>
        </message>
        <message>
            <source>the TYPELIB resource lies outside the file</source>
            <translation>la risorsa TYPELIB si trova fuori dal file</translation>
        </message>
        <message>
            <source>this is a .NET assembly; it contains no type library</source>
            <translation>è un assembly .NET; non contiene alcuna libreria dei tipi</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource (it may be packed)</source>
            <translation>il file non ha alcuna risorsa TYPELIB (potrebbe essere compresso)</translation>
        </message>
        <message>
            <source>the TYPELIB resource holds neither an MSFT nor an SLTG type library</source>
            <translation>la risorsa TYPELIB non contiene né una libreria dei tipi MSFT né una SLTG</translation>
        </message>
        <message>
            <source>truncated MSFT header</source>
            <translation>intestazione MSFT troncata</translation>
        </message>
        <message>
            <source>impossible type count</source>
            <translation>numero di tipi impossibile</translation>
        </message>
        <message>
            <source>a segment lies outside the library</source>
            <translation>un segmento si trova fuori dalla libreria</translation>
        </message>
        <message>
            <source>truncated SLTG header</source>
            <translation>intestazione SLTG troncata</translation>
        </message>
        <message>
            <source>truncated SLTG directory</source>
            <translation>directory SLTG troncata</translation>
        </message>
        <message>
            <source>not an SLTG stream directory</source>
            <translation>non è una directory di flussi SLTG</translation>
        </message>
        <message>
            <source>the SLTG block chain is broken</source>
            <translation>la catena di blocchi SLTG è interrotta</translation>
        </message>
        <message>
            <source>an SLTG block lies outside the library</source>
            <translation>un blocco SLTG si trova fuori dalla libreria</translation>
        </message>
        <message>
            <source>an SLTG block name is not terminated</source>
            <translation>un nome di blocco SLTG non è terminato</translation>
        </message>
        <message>
            <source>the SLTG block chain does not end with the library block</source>
            <translation>la catena di blocchi SLTG non termina con il blocco della libreria</translation>
        </message>
        <message>
            <source>bad SLTG library block</source>
            <translation>blocco della libreria SLTG non valido</translation>
        </message>
        <message>
            <source>the SLTG type count is wrong</source>
            <translation>il numero di tipi SLTG è errato</translation>
        </message>
        <message>
            <source>bad SLTG type entries</source>
            <translation>voci dei tipi SLTG non valide</translation>
        </message>
        <message>
            <source>an SLTG type entry names the wrong block</source>
            <translation>una voce di tipo SLTG indica il blocco sbagliato</translation>
        </message>
        <message>
            <source>unknown SLTG name-table preamble</source>
            <translation>preambolo della tabella dei nomi SLTG sconosciuto</translation>
        </message>
        <message>
            <source>the SLTG name table lies outside the library block</source>
            <translation>la tabella dei nomi SLTG si trova fuori dal blocco della libreria</translation>
        </message>
        <message>
            <source>no file is registered for this version</source>
            <translation>nessun file registrato per questa versione</translation>
        </message>
        <message>
            <source>no such file in the Wine prefix</source>
            <translation>file inesistente nel prefisso Wine</translation>
        </message>
        <message>
            <source>no registry</source>
            <translation>nessun Registro di sistema</translation>
        </message>
    </context>
    <context>
        <name>TreeLabels</name>
        <message>
            <source>Interfaces</source>
            <translation>Interfacce</translation>
        </message>
        <message>
            <source>Automation Interfaces</source>
            <translation>Interfacce di automazione</translation>
        </message>
        <message>
            <source>Enumerations</source>
            <translation>Enumerazioni</translation>
        </message>
        <message>
            <source>Structures</source>
            <translation>Strutture</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>Moduli</translation>
        </message>
        <message>
            <source>CoClasses</source>
            <translation>Classi di componenti</translation>
        </message>
        <message>
            <source>Typedefs</source>
            <translation>Definizioni di tipo</translation>
        </message>
        <message>
            <source>Unions</source>
            <translation>Unioni</translation>
        </message>
        <message>
            <source>Functions</source>
            <translation>Funzioni</translation>
        </message>
        <message>
            <source>Methods</source>
            <translation>Metodi</translation>
        </message>
        <message>
            <source>Constants</source>
            <translation>Costanti</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>Proprietà</translation>
        </message>
        <message>
            <source>Inherited Interfaces</source>
            <translation>Interfacce ereditate</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CAboutDlg</name>
        <message>
            <source>About Pellarine</source>
            <translation>Informazioni su Pellarine</translation>
        </message>
        <message>
            <source>QORVIX Version 1.0.17</source>
            <translation>QORVIX versione 1.0.17</translation>
        </message>
        <message>
            <source>COBOL for COM type libraries.</source>
            <translation>COBOL per le librerie dei tipi COM.</translation>
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
            <translation>Contenuto della libreria dei tipi:</translation>
        </message>
        <message>
            <source>COBOL</source>
            <translation>COBOL</translation>
        </message>
        <message>
            <source>Copy file:</source>
            <translation>File COPY:</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Sfoglia...</translation>
        </message>
        <message>
            <source>Add &amp;file to project</source>
            <translation>Aggiungi il &amp;file al progetto</translation>
        </message>
        <message>
            <source>Generate &amp;Interface Classes</source>
            <translation>Genera classi di &amp;interfaccia</translation>
        </message>
        <message>
            <source>Generate &amp;Dual Interfaces</source>
            <translation>Genera interfacce &amp;duali</translation>
        </message>
        <message>
            <source>&amp;Generate</source>
            <translation>&amp;Genera</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>COM (non-automation) support</source>
            <translation>Supporto COM (senza automazione)</translation>
        </message>
        <message>
            <source>Select copy file</source>
            <translation>Seleziona il file COPY</translation>
        </message>
        <message>
            <source>Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||</source>
            <translation>File COPY (*.cpy)|*.cpy|Tutti i file (*.*)|*.*||</translation>
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
            <translation>Librerie dei tipi registrate:</translation>
        </message>
        <message>
            <source>&amp;View...</source>
            <translation>&amp;Visualizza...</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Sfoglia...</translation>
        </message>
        <message>
            <source>&amp;Refresh</source>
            <translation>&amp;Aggiorna</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Guida</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Chiudi</translation>
        </message>
        <message>
            <source>Select a type library</source>
            <translation>Seleziona una libreria dei tipi</translation>
        </message>
        <message>
            <source>Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||</source>
            <translation>Librerie dei tipi (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|Tutti i file (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::Help</name>
        <message>
            <source>&amp;What's This?</source>
            <translation>&amp;Guida rapida</translation>
        </message>
        <message>
            <source>qorvix Help</source>
            <translation>Guida di qorvix</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Chiudi</translation>
        </message>
    </context>
</TS>
