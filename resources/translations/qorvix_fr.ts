<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>DesktopFrontEnd</name>
        <message>
            <source>%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
            <translation>%1: impossible d'afficher les boîtes de dialogue : aucun affichage n'est disponible (DISPLAY et WAYLAND_DISPLAY ne sont pas définies)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: the display cannot be reached (%2)</source>
            <translation>%1: impossible d'afficher les boîtes de dialogue : l'affichage est inaccessible (%2)</translation>
        </message>
        <message>
            <source>%1: cannot show the dialogs: %2</source>
            <translation>%1: impossible d'afficher les boîtes de dialogue : %2</translation>
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
            <translation>qorvix écrit du code source COBOL pour les bibliothèques de types COM : un fichier COPY avec les types, les constantes, les identificateurs de classes et d'interfaces de la bibliothèque et les instructions INVOKE de ses méthodes, et, sur demande, un fichier de classe d'interface par interface. Choisissez une bibliothèque inscrite dans la liste (Afficher) ou un fichier (Parcourir), examinez son contenu, choisissez le fichier COPY et les options, puis cliquez sur Générer.</translation>
        </message>
        <message>
            <source>Registered type libraries</source>
            <translation>Bibliothèques de types inscrites</translation>
        </message>
        <message>
            <source>The type libraries registered on this machine, one row per registered version: its description, its version and its library identifier (TLBID). Double-click a row to see its contents.</source>
            <translation>Les bibliothèques de types inscrites sur cet ordinateur, une ligne par version inscrite : sa description, sa version et son identificateur de bibliothèque (TLBID). Double-cliquez sur une ligne pour afficher son contenu.</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Afficher</translation>
        </message>
        <message>
            <source>Opens the selected type library and shows its contents, where you can generate COBOL for it.</source>
            <translation>Ouvre la bibliothèque de types sélectionnée et affiche son contenu, à partir duquel vous pouvez générer du COBOL.</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>Parcourir</translation>
        </message>
        <message>
            <source>Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its contents.</source>
            <translation>Choisit un fichier de bibliothèque de types (.tlb, .olb, .dll, .ocx), qui n'a pas besoin d'être inscrit, et affiche son contenu.</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Actualiser</translation>
        </message>
        <message>
            <source>Reads the list of registered type libraries again.</source>
            <translation>Relit la liste des bibliothèques de types inscrites.</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Ends the program.</source>
            <translation>Quitte le programme.</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Opens the qorvix manual.</source>
            <translation>Ouvre le manuel de qorvix.</translation>
        </message>
        <message>
            <source>Contents of type library</source>
            <translation>Contenu de la bibliothèque de types</translation>
        </message>
        <message>
            <source>The type library as a tree: its interfaces, automation interfaces, enumerations, structures, modules, component classes, typedefs and unions, and under each type its members. Press Enter to open or close the selected item.</source>
            <translation>La bibliothèque de types sous forme d'arborescence : ses interfaces, interfaces Automation, énumérations, structures, modules, classes de composants, définitions de types et unions, et sous chaque type ses membres. Appuyez sur Entrée pour développer ou réduire l'élément sélectionné.</translation>
        </message>
        <message>
            <source>Chooses the copy file to generate.</source>
            <translation>Choisit le fichier COPY à générer.</translation>
        </message>
        <message>
            <source>Copy file</source>
            <translation>Fichier COPY</translation>
        </message>
        <message>
            <source>The name of the copy file to generate. A name without a folder is written into the current folder; the interface class files are written beside the copy file.</source>
            <translation>Le nom du fichier COPY à générer. Un nom sans dossier est écrit dans le dossier actif ; les fichiers de classe d'interface sont écrits à côté du fichier COPY.</translation>
        </message>
        <message>
            <source>Add file to project</source>
            <translation>Ajouter le fichier au projet</translation>
        </message>
        <message>
            <source>Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to that project. Available when the IDE is installed.</source>
            <translation>Génère les fichiers dans le répertoire du projet ouvert dans l'IDE COBOL et ajoute le fichier COPY à ce projet. Disponible lorsque l'IDE est installé.</translation>
        </message>
        <message>
            <source>Generate Interface Classes</source>
            <translation>Générer les classes d'interface</translation>
        </message>
        <message>
            <source>Also writes one interface class file for each interface of the library, for calling interfaces that do not support automation.</source>
            <translation>Écrit en outre un fichier de classe d'interface pour chaque interface de la bibliothèque, afin d'appeler les interfaces qui ne prennent pas en charge Automation.</translation>
        </message>
        <message>
            <source>Generate Dual Interfaces</source>
            <translation>Générer les interfaces duales</translation>
        </message>
        <message>
            <source>Also writes interface class files for dual interfaces, which can otherwise be called through automation.</source>
            <translation>Écrit aussi des fichiers de classe d'interface pour les interfaces duales, qui peuvent sinon être appelées par Automation.</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>Générer</translation>
        </message>
        <message>
            <source>Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can generate again with other settings.</source>
            <translation>Écrit le fichier COPY et, si vous l'avez choisi, les fichiers de classe d'interface. La boîte de dialogue reste ouverte : vous pouvez générer à nouveau avec d'autres paramètres.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Closes the contents of the type library.</source>
            <translation>Ferme le contenu de la bibliothèque de types.</translation>
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
            <translation>Annuler</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Oui</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Non</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Oui pour &amp;tout</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>Non &amp;pour tout</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>&amp;About qorvix...</source>
            <translation>À &amp;propos de qorvix...</translation>
        </message>
        <message>
            <source>The file
'%1'
already exists. Do you want to overwrite it?</source>
            <translation>Le fichier
'%1'
existe déjà. Voulez-vous le remplacer ?</translation>
        </message>
        <message>
            <source>The file
'%1'
can not be written to. Please check the file name and path are correct and do not point to a read-only file.
%2</source>
            <translation>Impossible d'écrire dans le fichier
'%1'
Vérifiez que le nom et le chemin du fichier sont corrects et ne désignent pas un fichier en lecture seule.
%2</translation>
        </message>
        <message>
            <source>The file
'%1'
is already open!</source>
            <translation>Le fichier
'%1'
est déjà ouvert !</translation>
        </message>
        <message>
            <source>All files will be generated in the project directory
'%1'</source>
            <translation>Tous les fichiers seront générés dans le répertoire du projet
'%1'</translation>
        </message>
        <message>
            <source>No project found. Continue to generate files?</source>
            <translation>Aucun projet trouvé. Générer les fichiers quand même ?</translation>
        </message>
        <message>
            <source>Usage: qorvix [-i[d]] [-p] [-o&lt;file&gt;] &lt;typelib&gt;
  -id Generate (Dual) Interface files
  -p Add copy file to Orbanel project
  -o&lt;file&gt; Copy file to generate</source>
            <translation>Utilisation : qorvix [-i[d]] [-p] [-o&lt;fichier&gt;] &lt;bibliothèque&gt;
  -id Générer les fichiers d'interface (duale)
  -p Ajouter le fichier COPY au projet Orbanel
  -o&lt;fichier&gt; Fichier COPY à générer</translation>
        </message>
        <message>
            <source>The option '%1' is not a valid option.
Use qorvix -? to view a list of valid options.</source>
            <translation>L'option '%1' n'est pas une option valide.
Utilisez qorvix -? pour afficher la liste des options valides.</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>Ver</source>
            <translation>Vers.</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has been left as it was.</source>
            <translation>Le fichier
'%1'
n'a pas pu être écrit entièrement : %2
Le fichier est resté inchangé.</translation>
        </message>
        <message>
            <source>Files not written: %1</source>
            <translation>Fichiers non écrits : %1</translation>
        </message>
        <message>
            <source>answered OK (standard input is not a terminal)</source>
            <translation>réponse : OK (l'entrée standard n'est pas un terminal)</translation>
        </message>
        <message>
            <source>answered Cancel (standard input is not a terminal)</source>
            <translation>réponse : Annuler (l'entrée standard n'est pas un terminal)</translation>
        </message>
        <message>
            <source>answered Yes (standard input is not a terminal)</source>
            <translation>réponse : Oui (l'entrée standard n'est pas un terminal)</translation>
        </message>
        <message>
            <source>answered No (standard input is not a terminal)</source>
            <translation>réponse : Non (l'entrée standard n'est pas un terminal)</translation>
        </message>
        <message>
            <source>Files not written for the same reason: %1</source>
            <translation>Fichiers non écrits pour la même raison : %1</translation>
        </message>
        <message>
            <source>Not a regular file</source>
            <translation>Ce n'est pas un fichier ordinaire</translation>
        </message>
        <message>
            <source>The file
'%1'
was written completely by another run at the same time.
That run's file has been kept.</source>
            <translation>Le fichier
'%1'
a été écrit entièrement par une autre exécution au même moment.
Le fichier de cette exécution a été conservé.</translation>
        </message>
        <message>
            <source>The file
'%1'
could not be written completely: %2
The file has not been written.</source>
            <translation>Le fichier
'%1'
n'a pas pu être écrit entièrement : %2
Le fichier n'a pas été écrit.</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Oui</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Non</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Oui pour &amp;tout</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>Non &amp;pour tout</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>%1 [%2]? </source>
            <translation>%1 [%2] ? </translation>
        </message>
        <message>
            <source>The name holds a control character</source>
            <translation>Le nom contient un caractère de contrôle</translation>
        </message>
        <message>
            <source>The type library could not be loaded.
'%1': %2</source>
            <translation>Impossible de charger la bibliothèque de types.
'%1' : %2</translation>
        </message>
        <message>
            <source>the file is empty</source>
            <translation>le fichier est vide</translation>
        </message>
        <message>
            <source>not a type library (unknown file signature)</source>
            <translation>ce n'est pas une bibliothèque de types (signature de fichier inconnue)</translation>
        </message>
        <message>
            <source>is a directory</source>
            <translation>c'est un dossier</translation>
        </message>
        <message>
            <source>is a named pipe, not a file</source>
            <translation>c'est un canal nommé, pas un fichier</translation>
        </message>
        <message>
            <source>is a socket, not a file</source>
            <translation>c'est un socket, pas un fichier</translation>
        </message>
        <message>
            <source>is a device, not a file</source>
            <translation>c'est un périphérique, pas un fichier</translation>
        </message>
        <message>
            <source>not a regular file</source>
            <translation>ce n'est pas un fichier ordinaire</translation>
        </message>
        <message>
            <source>larger than %1 MiB; not read as a type library</source>
            <translation>plus de %1 Mio ; non lu comme bibliothèque de types</translation>
        </message>
        <message>
            <source>the file kept changing while it was read</source>
            <translation>le fichier n'a cessé de changer pendant sa lecture</translation>
        </message>
        <message>
            <source>the file is too short for an executable header</source>
            <translation>le fichier est trop court pour un en-tête d'exécutable</translation>
        </message>
        <message>
            <source>the executable header points outside the file</source>
            <translation>l'en-tête de l'exécutable pointe hors du fichier</translation>
        </message>
        <message>
            <source>a 16-bit module, not supported</source>
            <translation>un module 16 bits, non pris en charge</translation>
        </message>
        <message>
            <source>not a Windows PE image</source>
            <translation>ce n'est pas une image PE Windows</translation>
        </message>
        <message>
            <source>truncated PE header</source>
            <translation>en-tête PE tronqué</translation>
        </message>
        <message>
            <source>unknown PE optional-header magic</source>
            <translation>valeur magique inconnue dans l'en-tête facultatif PE</translation>
        </message>
        <message>
            <source>truncated PE optional header</source>
            <translation>en-tête facultatif PE tronqué</translation>
        </message>
        <message>
            <source>truncated PE data directory</source>
            <translation>répertoire de données PE tronqué</translation>
        </message>
        <message>
            <source>the PE section table runs past the end of the file</source>
            <translation>la table des sections PE dépasse la fin du fichier</translation>
        </message>
        <message>
            <source>the resource directory lies outside the file</source>
            <translation>le répertoire des ressources se trouve hors du fichier</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource %1</source>
            <translation>le fichier n'a pas de ressource TYPELIB %1</translation>
        </message>
        <message>
            <source>malformed resource directory</source>
            <translation>répertoire des ressources mal formé</translation>
        </message>
        <message>
            <source>malformed resource data entry</source>
            <translation>entrée de données de ressource mal formée</translation>
        </message>
        <message>
            <source>the TYPELIB resource lies outside the file</source>
            <translation>la ressource TYPELIB se trouve hors du fichier</translation>
        </message>
        <message>
            <source>this is a .NET assembly; it contains no type library</source>
            <translation>c'est un assembly .NET ; il ne contient aucune bibliothèque de types</translation>
        </message>
        <message>
            <source>the file has no TYPELIB resource (it may be packed)</source>
            <translation>le fichier n'a pas de ressource TYPELIB (il est peut-être compressé)</translation>
        </message>
        <message>
            <source>the TYPELIB resource holds neither an MSFT nor an SLTG type library</source>
            <translation>la ressource TYPELIB ne contient de bibliothèque de types ni MSFT ni SLTG</translation>
        </message>
        <message>
            <source>truncated MSFT header</source>
            <translation>en-tête MSFT tronqué</translation>
        </message>
        <message>
            <source>impossible type count</source>
            <translation>nombre de types impossible</translation>
        </message>
        <message>
            <source>a segment lies outside the library</source>
            <translation>un segment se trouve hors de la bibliothèque</translation>
        </message>
        <message>
            <source>truncated SLTG header</source>
            <translation>en-tête SLTG tronqué</translation>
        </message>
        <message>
            <source>truncated SLTG directory</source>
            <translation>répertoire SLTG tronqué</translation>
        </message>
        <message>
            <source>not an SLTG stream directory</source>
            <translation>ce n'est pas un répertoire de flux SLTG</translation>
        </message>
        <message>
            <source>the SLTG block chain is broken</source>
            <translation>la chaîne de blocs SLTG est rompue</translation>
        </message>
        <message>
            <source>an SLTG block lies outside the library</source>
            <translation>un bloc SLTG se trouve hors de la bibliothèque</translation>
        </message>
        <message>
            <source>an SLTG block name is not terminated</source>
            <translation>un nom de bloc SLTG n'est pas terminé</translation>
        </message>
        <message>
            <source>the SLTG block chain does not end with the library block</source>
            <translation>la chaîne de blocs SLTG ne se termine pas par le bloc de bibliothèque</translation>
        </message>
        <message>
            <source>bad SLTG library block</source>
            <translation>bloc de bibliothèque SLTG incorrect</translation>
        </message>
        <message>
            <source>the SLTG type count is wrong</source>
            <translation>le nombre de types SLTG est faux</translation>
        </message>
        <message>
            <source>bad SLTG type entries</source>
            <translation>entrées de types SLTG incorrectes</translation>
        </message>
        <message>
            <source>an SLTG type entry names the wrong block</source>
            <translation>une entrée de type SLTG désigne le mauvais bloc</translation>
        </message>
        <message>
            <source>unknown SLTG name-table preamble</source>
            <translation>préambule de la table des noms SLTG inconnu</translation>
        </message>
        <message>
            <source>the SLTG name table lies outside the library block</source>
            <translation>la table des noms SLTG se trouve hors du bloc de bibliothèque</translation>
        </message>
        <message>
            <source>no file is registered for this version</source>
            <translation>aucun fichier n'est inscrit pour cette version</translation>
        </message>
        <message>
            <source>no such file in the Wine prefix</source>
            <translation>ce fichier n'existe pas dans le préfixe Wine</translation>
        </message>
        <message>
            <source>no registry</source>
            <translation>pas de Registre</translation>
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
            <translation>Interfaces Automation</translation>
        </message>
        <message>
            <source>Enumerations</source>
            <translation>Énumérations</translation>
        </message>
        <message>
            <source>Structures</source>
            <translation>Structures</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>Modules</translation>
        </message>
        <message>
            <source>CoClasses</source>
            <translation>Classes de composants</translation>
        </message>
        <message>
            <source>Typedefs</source>
            <translation>Définitions de types</translation>
        </message>
        <message>
            <source>Unions</source>
            <translation>Unions</translation>
        </message>
        <message>
            <source>Functions</source>
            <translation>Fonctions</translation>
        </message>
        <message>
            <source>Methods</source>
            <translation>Méthodes</translation>
        </message>
        <message>
            <source>Constants</source>
            <translation>Constantes</translation>
        </message>
        <message>
            <source>Properties</source>
            <translation>Propriétés</translation>
        </message>
        <message>
            <source>Inherited Interfaces</source>
            <translation>Interfaces héritées</translation>
        </message>
    </context>
    <context>
        <name>qorvix::CAboutDlg</name>
        <message>
            <source>About Pellarine</source>
            <translation>À propos de Pellarine</translation>
        </message>
        <message>
            <source>QORVIX Version 1.0.17</source>
            <translation>QORVIX version 1.0.17</translation>
        </message>
        <message>
            <source>COBOL for COM type libraries.</source>
            <translation>COBOL pour les bibliothèques de types COM.</translation>
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
            <translation>Contenu de la bibliothèque de types :</translation>
        </message>
        <message>
            <source>COBOL</source>
            <translation>COBOL</translation>
        </message>
        <message>
            <source>Copy file:</source>
            <translation>Fichier COPY :</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Parcourir...</translation>
        </message>
        <message>
            <source>Add &amp;file to project</source>
            <translation>Ajouter le &amp;fichier au projet</translation>
        </message>
        <message>
            <source>Generate &amp;Interface Classes</source>
            <translation>Générer les classes d'&amp;interface</translation>
        </message>
        <message>
            <source>Generate &amp;Dual Interfaces</source>
            <translation>Générer les interfaces &amp;duales</translation>
        </message>
        <message>
            <source>&amp;Generate</source>
            <translation>&amp;Générer</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>COM (non-automation) support</source>
            <translation>Prise en charge COM (hors Automation)</translation>
        </message>
        <message>
            <source>Select copy file</source>
            <translation>Sélectionner le fichier COPY</translation>
        </message>
        <message>
            <source>Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||</source>
            <translation>Fichiers COPY (*.cpy)|*.cpy|Tous les fichiers (*.*)|*.*||</translation>
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
            <translation>Bibliothèques de types inscrites :</translation>
        </message>
        <message>
            <source>&amp;View...</source>
            <translation>&amp;Afficher...</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Parcourir...</translation>
        </message>
        <message>
            <source>&amp;Refresh</source>
            <translation>Ac&amp;tualiser</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;ide</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message>
            <source>Select a type library</source>
            <translation>Sélectionner une bibliothèque de types</translation>
        </message>
        <message>
            <source>Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||</source>
            <translation>Bibliothèques de types (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|Tous les fichiers (*.*)|*.*||</translation>
        </message>
    </context>
    <context>
        <name>qorvix::Help</name>
        <message>
            <source>&amp;What's This?</source>
            <translation>&amp;Qu'est-ce que c'est ?</translation>
        </message>
        <message>
            <source>qorvix Help</source>
            <translation>Aide de qorvix</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
    </context>
</TS>
