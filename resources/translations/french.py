"""French (qorvix.fra). The table of one language: its glossary first, then
every source text with its translation (translate.py fills qorvix_fr.ts
from it and checks it). A no-break space (\\u00a0) stands before ":", ";",
"?" and "!", as French typography wants."""

CODE = "fr"
BRACKETED = False  # accelerators on a letter of the text

# The terms, as the platform's French texts use them. translate.py checks
# that a text which says the English term says one of these.
GLOSSARY = {
    "type library": ("bibliothèque de types", "bibliothèques de types"),
    "interface": "interface",
    "dispinterface": ("dispinterface", "interface Automation"),
    "automation": "Automation",
    "copy file": ("fichier COPY", "fichiers COPY"),
    "class file": ("fichier de classe", "fichiers de classe"),
    "project": "projet",
    "registered": "inscrit",
}

TEXTS = {
    # Dialogs
    "About Pellarine": "À propos de Pellarine",
    "QORVIX Version 1.0.17": "QORVIX version 1.0.17",
    "COBOL for COM type libraries.": "COBOL pour les bibliothèques de types COM.",
    "OK": "OK",
    "Pellarine": "Pellarine",
    "Contents of type library:": "Contenu de la bibliothèque de types\u00a0:",
    "COBOL": "COBOL",
    "Copy file:": "Fichier COPY\u00a0:",
    "&Browse...": "&Parcourir...",
    "Add &file to project": "Ajouter le &fichier au projet",
    "Generate &Interface Classes": "Générer les classes d'&interface",
    "Generate &Dual Interfaces": "Générer les interfaces &duales",
    "&Generate": "&Générer",
    "Cancel": "Annuler",
    "COM (non-automation) support": "Prise en charge COM (hors Automation)",
    "Select copy file": "Sélectionner le fichier COPY",
    "Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||": "Fichiers COPY (*.cpy)|*.cpy|Tous les fichiers (*.*)|*.*||",
    "Registered type libraries:": "Bibliothèques de types inscrites\u00a0:",
    "&View...": "&Afficher...",
    "&Refresh": "Ac&tualiser",
    "Close": "Fermer",
    "&Help": "A&ide",
    "&Close": "&Fermer",
    "Select a type library": "Sélectionner une bibliothèque de types",
    "Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files (*.*)|*.*||":
        "Bibliothèques de types (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|Tous les fichiers (*.*)|*.*||",
    "&What's This?": "&Qu'est-ce que c'est\u00a0?",
    "qorvix Help": "Aide de qorvix",
    "&Yes": "&Oui",
    "&No": "&Non",
    # The desktop front end's console messages
    "%1: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY are not set)":
        "%1: impossible d'afficher les boîtes de dialogue\u00a0: aucun affichage n'est disponible "
        "(DISPLAY et WAYLAND_DISPLAY ne sont pas définies)",
    "%1: cannot show the dialogs: the display cannot be reached (%2)":
        "%1: impossible d'afficher les boîtes de dialogue\u00a0: l'affichage est inaccessible (%2)",
    "%1: cannot show the dialogs: %2":
        "%1: impossible d'afficher les boîtes de dialogue\u00a0: %2",
    # Labels of the tree
    "Interfaces": "Interfaces",
    "Automation Interfaces": "Interfaces Automation",
    "Enumerations": "Énumérations",
    "Structures": "Structures",
    "Modules": "Modules",
    "CoClasses": "Classes de composants",
    "Typedefs": "Définitions de types",
    "Unions": "Unions",
    "Functions": "Fonctions",
    "Methods": "Méthodes",
    "Constants": "Constantes",
    "Properties": "Propriétés",
    "Inherited Interfaces": "Interfaces héritées",
    # Help topics
    "qorvix": "qorvix",
    "qorvix writes COBOL source for COM type libraries: a copy file with the library's types, constants, "
    "class and interface identifiers and the invoke phrases of its methods, and on request one interface "
    "class file per interface. Pick a registered library in the list (View) or a file (Browse), look at "
    "its contents, choose the copy file and the options, and press Generate.":
        "qorvix écrit du code source COBOL pour les bibliothèques de types COM\u00a0: un fichier COPY avec "
        "les types, les constantes, les identificateurs de classes et d'interfaces de la bibliothèque et "
        "les instructions INVOKE de ses méthodes, et, sur demande, un fichier de classe d'interface par "
        "interface. Choisissez une bibliothèque inscrite dans la liste (Afficher) ou un fichier "
        "(Parcourir), examinez son contenu, choisissez le fichier COPY et les options, puis cliquez sur "
        "Générer.",
    "Registered type libraries": "Bibliothèques de types inscrites",
    "The type libraries registered on this machine, one row per registered version: its description, its "
    "version and its library identifier (TLBID). Double-click a row to see its contents.":
        "Les bibliothèques de types inscrites sur cet ordinateur, une ligne par version inscrite\u00a0: sa "
        "description, sa version et son identificateur de bibliothèque (TLBID). Double-cliquez sur une "
        "ligne pour afficher son contenu.",
    "View": "Afficher",
    "Opens the selected type library and shows its contents, where you can generate COBOL for it.":
        "Ouvre la bibliothèque de types sélectionnée et affiche son contenu, à partir duquel vous pouvez "
        "générer du COBOL.",
    "Browse": "Parcourir",
    "Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be registered, and shows its "
    "contents.":
        "Choisit un fichier de bibliothèque de types (.tlb, .olb, .dll, .ocx), qui n'a pas besoin d'être "
        "inscrit, et affiche son contenu.",
    "Refresh": "Actualiser",
    "Reads the list of registered type libraries again.":
        "Relit la liste des bibliothèques de types inscrites.",
    "Ends the program.": "Quitte le programme.",
    "Help": "Aide",
    "Opens the qorvix manual.": "Ouvre le manuel de qorvix.",
    "Contents of type library": "Contenu de la bibliothèque de types",
    "The type library as a tree: its interfaces, automation interfaces, enumerations, structures, "
    "modules, component classes, typedefs and unions, and under each type its members. Press Enter to "
    "open or close the selected item.":
        "La bibliothèque de types sous forme d'arborescence\u00a0: ses interfaces, interfaces Automation, "
        "énumérations, structures, modules, classes de composants, définitions de types et unions, et "
        "sous chaque type ses membres. Appuyez sur Entrée pour développer ou réduire l'élément "
        "sélectionné.",
    "Chooses the copy file to generate.": "Choisit le fichier COPY à générer.",
    "Copy file": "Fichier COPY",
    "The name of the copy file to generate. A name without a folder is written into the current folder; "
    "the interface class files are written beside the copy file.":
        "Le nom du fichier COPY à générer. Un nom sans dossier est écrit dans le dossier actif\u00a0; les "
        "fichiers de classe d'interface sont écrits à côté du fichier COPY.",
    "Add file to project": "Ajouter le fichier au projet",
    "Generates the files in the directory of the project open in the COBOL IDE and adds the copy file to "
    "that project. Available when the IDE is installed.":
        "Génère les fichiers dans le répertoire du projet ouvert dans l'IDE COBOL et ajoute le fichier "
        "COPY à ce projet. Disponible lorsque l'IDE est installé.",
    "Generate Interface Classes": "Générer les classes d'interface",
    "Also writes one interface class file for each interface of the library, for calling interfaces "
    "that do not support automation.":
        "Écrit en outre un fichier de classe d'interface pour chaque interface de la bibliothèque, afin "
        "d'appeler les interfaces qui ne prennent pas en charge Automation.",
    "Generate Dual Interfaces": "Générer les interfaces duales",
    "Also writes interface class files for dual interfaces, which can otherwise be called through "
    "automation.":
        "Écrit aussi des fichiers de classe d'interface pour les interfaces duales, qui peuvent sinon être "
        "appelées par Automation.",
    "Generate": "Générer",
    "Writes the copy file and, if chosen, the interface class files. The dialog stays open, so you can "
    "generate again with other settings.":
        "Écrit le fichier COPY et, si vous l'avez choisi, les fichiers de classe d'interface. La boîte de "
        "dialogue reste ouverte\u00a0: vous pouvez générer à nouveau avec d'autres paramètres.",
    "Closes the contents of the type library.": "Ferme le contenu de la bibliothèque de types.",
    # String table
    "&About qorvix...": "À &propos de qorvix...",
    "The file\n'%1'\nalready exists. Do you want to overwrite it?":
        "Le fichier\n'%1'\nexiste déjà. Voulez-vous le remplacer\u00a0?",
    "The file\n'%1'\ncan not be written to. Please check the file name and path are correct and do not "
    "point to a read-only file.\n%2":
        "Impossible d'écrire dans le fichier\n'%1'\nVérifiez que le nom et le chemin du fichier sont "
        "corrects et ne désignent pas un fichier en lecture seule.\n%2",
    "The file\n'%1'\nis already open!": "Le fichier\n'%1'\nest déjà ouvert\u00a0!",
    "The type library could not be loaded.\n'%1': %2":
        "Impossible de charger la bibliothèque de types.\n'%1'\u00a0: %2",
    "All files will be generated in the project directory\n'%1'":
        "Tous les fichiers seront générés dans le répertoire du projet\n'%1'",
    "No project found. Continue to generate files?":
        "Aucun projet trouvé. Générer les fichiers quand même\u00a0?",
    "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface files\n  -p Add copy "
    "file to Orbanel project\n  -o<file> Copy file to generate":
        "Utilisation\u00a0: qorvix [-i[d]] [-p] [-o<fichier>] <bibliothèque>\n  -id Générer les fichiers "
        "d'interface (duale)\n  -p Ajouter le fichier COPY au projet Orbanel\n  -o<fichier> Fichier COPY "
        "à générer",
    "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid options.":
        "L'option '%1' n'est pas une option valide.\nUtilisez qorvix -? pour afficher la liste des options "
        "valides.",
    "Description": "Description",
    "Ver": "Vers.",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has been left as it was.":
        "Le fichier\n'%1'\nn'a pas pu être écrit entièrement\u00a0: %2\nLe fichier est resté inchangé.",
    "Files not written: %1": "Fichiers non écrits\u00a0: %1",
    "answered OK (standard input is not a terminal)":
        "réponse\u00a0: OK (l'entrée standard n'est pas un terminal)",
    "answered Cancel (standard input is not a terminal)":
        "réponse\u00a0: Annuler (l'entrée standard n'est pas un terminal)",
    "answered Yes (standard input is not a terminal)":
        "réponse\u00a0: Oui (l'entrée standard n'est pas un terminal)",
    "answered No (standard input is not a terminal)":
        "réponse\u00a0: Non (l'entrée standard n'est pas un terminal)",
    "Files not written for the same reason: %1": "Fichiers non écrits pour la même raison\u00a0: %1",
    "Not a regular file": "Ce n'est pas un fichier ordinaire",
    "The name holds a control character": "Le nom contient un caractère de contrôle",
    # Answers: message box buttons, and on the terminal the marked letters.
    "Yes to &All": "Oui pour &tout",
    "N&o to All": "Non &pour tout",
    "&OK": "&OK",
    "&Cancel": "&Annuler",
    "%1 (%2)": "%1 (%2)",
    "%1 [%2]? ": "%1 [%2]\u00a0? ",
    "The file\n'%1'\nwas written completely by another run at the same time.\nThat run's file has been kept.":
        "Le fichier\n'%1'\na été écrit entièrement par une autre exécution au même moment.\n"
        "Le fichier de cette exécution a été conservé.",
    "The file\n'%1'\ncould not be written completely: %2\nThe file has not been written.":
        "Le fichier\n'%1'\nn'a pas pu être écrit entièrement\u00a0: %2\nLe fichier n'a pas été écrit.",
    # The reader's reasons a library cannot be loaded (message 105's %2)
    "the file is empty": "le fichier est vide",
    "not a type library (unknown file signature)":
        "ce n'est pas une bibliothèque de types (signature de fichier inconnue)",
    "is a directory": "c'est un dossier",
    "is a named pipe, not a file": "c'est un canal nommé, pas un fichier",
    "is a socket, not a file": "c'est un socket, pas un fichier",
    "is a device, not a file": "c'est un périphérique, pas un fichier",
    "not a regular file": "ce n'est pas un fichier ordinaire",
    "larger than %1 MiB; not read as a type library":
        "plus de %1\u00a0Mio\u00a0; non lu comme bibliothèque de types",
    "the file kept changing while it was read": "le fichier n'a cessé de changer pendant sa lecture",
    "the file is too short for an executable header":
        "le fichier est trop court pour un en-tête d'exécutable",
    "the executable header points outside the file": "l'en-tête de l'exécutable pointe hors du fichier",
    "a 16-bit module, not supported": "un module 16\u00a0bits, non pris en charge",
    "not a Windows PE image": "ce n'est pas une image PE Windows",
    "truncated PE header": "en-tête PE tronqué",
    "unknown PE optional-header magic": "valeur magique inconnue dans l'en-tête facultatif PE",
    "truncated PE optional header": "en-tête facultatif PE tronqué",
    "truncated PE data directory": "répertoire de données PE tronqué",
    "the PE section table runs past the end of the file":
        "la table des sections PE dépasse la fin du fichier",
    "the resource directory lies outside the file": "le répertoire des ressources se trouve hors du fichier",
    "the file has no TYPELIB resource %1": "le fichier n'a pas de ressource TYPELIB %1",
    "malformed resource directory": "répertoire des ressources mal formé",
    "malformed resource data entry": "entrée de données de ressource mal formée",
    "the TYPELIB resource lies outside the file": "la ressource TYPELIB se trouve hors du fichier",
    "this is a .NET assembly; it contains no type library":
        "c'est un assembly .NET\u00a0; il ne contient aucune bibliothèque de types",
    "the file has no TYPELIB resource (it may be packed)":
        "le fichier n'a pas de ressource TYPELIB (il est peut-être compressé)",
    "the TYPELIB resource holds neither an MSFT nor an SLTG type library":
        "la ressource TYPELIB ne contient de bibliothèque de types ni MSFT ni SLTG",
    "truncated MSFT header": "en-tête MSFT tronqué",
    "impossible type count": "nombre de types impossible",
    "a segment lies outside the library": "un segment se trouve hors de la bibliothèque",
    "truncated SLTG header": "en-tête SLTG tronqué",
    "truncated SLTG directory": "répertoire SLTG tronqué",
    "not an SLTG stream directory": "ce n'est pas un répertoire de flux SLTG",
    "the SLTG block chain is broken": "la chaîne de blocs SLTG est rompue",
    "an SLTG block lies outside the library": "un bloc SLTG se trouve hors de la bibliothèque",
    "an SLTG block name is not terminated": "un nom de bloc SLTG n'est pas terminé",
    "the SLTG block chain does not end with the library block":
        "la chaîne de blocs SLTG ne se termine pas par le bloc de bibliothèque",
    "bad SLTG library block": "bloc de bibliothèque SLTG incorrect",
    "the SLTG type count is wrong": "le nombre de types SLTG est faux",
    "bad SLTG type entries": "entrées de types SLTG incorrectes",
    "an SLTG type entry names the wrong block": "une entrée de type SLTG désigne le mauvais bloc",
    "unknown SLTG name-table preamble": "préambule de la table des noms SLTG inconnu",
    "the SLTG name table lies outside the library block":
        "la table des noms SLTG se trouve hors du bloc de bibliothèque",
    "no file is registered for this version": "aucun fichier n'est inscrit pour cette version",
    "no such file in the Wine prefix": "ce fichier n'existe pas dans le préfixe Wine",
    "no registry": "pas de Registre",
}
