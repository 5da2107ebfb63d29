<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;veltrane-batch --help&apos; for more information.</source>
        <translation>Saisissez «&#xa0;veltrane-batch --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Add --yes to go ahead.</source>
        <translation>Ajoutez --yes pour continuer.</translation>
    </message>
    <message>
        <source>Go ahead? [y/N]</source>
        <extracomment>The answer read is y or Y in every language.</extracomment>
        <translation>Continuer&#xa0;? [y/N]</translation>
    </message>
    <message>
        <source>no display answered, so the screen is taken as 1920x1080 (--screen WxH sets it)</source>
        <translation>aucun écran n&apos;a répondu&#xa0;: l&apos;écran est supposé faire 1920x1080 (--screen WxH le règle)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot resize %1: %2</source>
        <translation>impossible de redimensionner %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 ignoré&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 picture was stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>1 image a été déformée pour remplir les deux limites&#xa0;; --fit WxH garde les proportions, --stretch WxH indique que la déformation est voulue</translation>
    </message>
    <message>
        <source>%1 pictures were stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>%1 images ont été déformées pour remplir les deux limites&#xa0;; --fit WxH garde les proportions, --stretch WxH indique que la déformation est voulue</translation>
    </message>
    <message>
        <source>the list could not be read to its end: %1</source>
        <translation>la liste n&apos;a pas pu être lue jusqu&apos;au bout&#xa0;: %1</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>aucun fichier indiqué</translation>
    </message>
    <message>
        <source>  %1 pictures/s  %2:%3 left</source>
        <translation>  %1 images/s  reste %2:%3</translation>
    </message>
    <message>
        <source>no preset called &quot;%1&quot; (--list-presets names them)</source>
        <translation>aucun préréglage nommé «&#xa0;%1&#xa0;» (--list-presets en donne la liste)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would try every frame: only the first job can</source>
        <translation>«&#xa0;%1&#xa0;» essaierait tous les cadres&#xa0;: seule la première tâche le peut</translation>
    </message>
    <message>
        <source>&quot;%1&quot; writes index sheets only: only the first job can</source>
        <translation>«&#xa0;%1&#xa0;» ne produit que des planches contact&#xa0;: seule la première tâche le peut</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>unknown option: -%1</source>
        <translation>option inconnue&#xa0;: -%1</translation>
    </message>
    <message>
        <source>-%1 needs a value</source>
        <translation>-%1 attend une valeur</translation>
    </message>
    <message>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>la valeur de %1 n&apos;est pas de l&apos;UTF-8 valide</translation>
    </message>
    <message>
        <source>--screen wants WIDTHxHEIGHT, such as 1920x1080, not &quot;%1&quot;</source>
        <translation>--screen attend WIDTHxHEIGHT, par exemple 1920x1080, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--defaults and --no-settings cannot go together</source>
        <translation>--defaults et --no-settings ne peuvent pas aller ensemble&#xa0;: choisissez une seule façon de traiter les paramètres</translation>
    </message>
    <message>
        <source>--report wants a file name, or &quot;-&quot; for the standard output</source>
        <translation>--report attend un nom de fichier pour le rapport, ou «&#xa0;-&#xa0;» pour la sortie standard</translation>
    </message>
    <message>
        <source>--jobs wants a number of threads from 1 to 256, not &quot;%1&quot;</source>
        <translation>--jobs attend un nombre de threads de 1 à 256, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--memory wants a number of MB from 16 to 1048576, not &quot;%1&quot;</source>
        <translation>--memory attend un nombre de MB de 16 à 1048576, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--completion wants &quot;bash&quot;, &quot;zsh&quot; or &quot;fish&quot;, not &quot;%1&quot;</source>
        <translation>--completion attend «&#xa0;bash&#xa0;», «&#xa0;zsh&#xa0;» ou «&#xa0;fish&#xa0;», et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the report %1 cannot be written: %2</source>
        <translation>le rapport %1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>the report %1 is the list of names (--files-from); give the report another name</source>
        <translation>le rapport %1 est la liste des noms (--files-from)&#xa0;; donnez un autre nom au rapport</translation>
    </message>
    <message>
        <source>%1 exists and is not a report of veltrane-batch, so it is left alone; give --report a new name or remove the file</source>
        <translation>%1 existe et n&apos;est pas un rapport de veltrane-batch&#xa0;: il n&apos;y est donc pas touché&#xa0;; donnez un nouveau nom à --report ou supprimez le fichier</translation>
    </message>
    <message>
        <source>the list %1 cannot be read: %2</source>
        <translation>la liste %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>the report is one of the sources (%1); give the report another name</source>
        <translation>le rapport est l&apos;un des fichiers sources (%1)&#xa0;; donnez un autre nom au rapport</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pictures to resize</source>
        <translation>Images à redimensionner</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Remove pictures</source>
        <translation>Retirer des images</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Ajouter un préréglage</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>Largeur maximale</translation>
    </message>
    <message>
        <source>Maximum height</source>
        <translation>Hauteur maximale</translation>
    </message>
    <message>
        <source>How pictures meet both limits</source>
        <translation>Comment les images respectent les deux limites</translation>
    </message>
    <message>
        <source>Fixed quality in percent</source>
        <translation>Qualité fixe en pourcentage</translation>
    </message>
    <message>
        <source>File size limit in kB</source>
        <translation>Limite de taille de fichier en kB</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Name extension</source>
        <translation>Suffixe du nom</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation>Planches contact</translation>
    </message>
    <message>
        <source>Pictures across an index sheet</source>
        <translation>Images en largeur d&apos;une planche contact</translation>
    </message>
    <message>
        <source>Pictures down an index sheet</source>
        <translation>Images en hauteur d&apos;une planche contact</translation>
    </message>
    <message>
        <source>Save to folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Choose the folder to save to</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Veltrane&apos;s homepage</source>
        <translation>Site web de Veltrane</translation>
    </message>
    <message>
        <source>Go: start or stop resizing</source>
        <translation>GO&#xa0;: lancer ou arrêter le redimensionnement</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Click to select, double-click to open/view.</source>
        <translation>Cliquez pour sélectionner, double-cliquez pour ouvrir/afficher.</translation>
    </message>
    <message>
        <source> (a folder)</source>
        <translation> (un dossier)</translation>
    </message>
    <message>
        <source>maximum width</source>
        <translation variants="yes">
            <lengthvariant>largeur maximale</lengthvariant>
            <lengthvariant>largeur max.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>maximum height</source>
        <translation>hauteur maximale</translation>
    </message>
    <message>
        <source>stretch</source>
        <translation>étirer</translation>
    </message>
    <message>
        <source>fit inside</source>
        <translation>ajuster</translation>
    </message>
    <message>
        <source>fill</source>
        <translation variants="yes">
            <lengthvariant>remplir</lengthvariant>
            <lengthvariant>rem.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>With both limits on: stretch pictures to exactly that size, fit them inside it, or fill it and crop the overflow from the centre</source>
        <translation>Avec les deux limites actives&#xa0;: étirer les images à cette taille exacte, les ajuster à l&apos;intérieur en gardant les proportions, ou la remplir et rogner le surplus autour du centre</translation>
    </message>
    <message>
        <source>never enlarge</source>
        <translation variants="yes">
            <lengthvariant>ne jamais agrandir</lengthvariant>
            <lengthvariant>sans agrandir</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Pictures already inside the limits keep their own size</source>
        <translation>Les images déjà dans les limites gardent leur taille</translation>
    </message>
    <message>
        <source>also apply to vertical pictures</source>
        <translation>aussi pour les images verticales</translation>
    </message>
    <message>
        <source>eg: 600x800 will be rescaled as 800x600</source>
        <translation>ex.&#xa0;: 600x800 sera redimensionné en 800x600</translation>
    </message>
    <message>
        <source>manual adjustment</source>
        <translation>réglage manuel</translation>
    </message>
    <message>
        <source>Stretch/shrink the borders of preview window to set width &amp; height to resize to</source>
        <translation>Étirez ou rétrécissez les bords de la fenêtre d&apos;aperçu pour régler la largeur et la hauteur de redimensionnement</translation>
    </message>
    <message>
        <source>preview</source>
        <translation>aperçu</translation>
    </message>
    <message>
        <source>Show/hide preview window</source>
        <translation>Afficher/masquer la fenêtre d&apos;aperçu</translation>
    </message>
    <message>
        <source>fixed quality</source>
        <translation>qualité fixe</translation>
    </message>
    <message>
        <source>1 (minimum quality) to 100 (maximum quality)</source>
        <translation>1 (qualité minimale) à 100 (qualité maximale)</translation>
    </message>
    <message>
        <source>file size below</source>
        <translation variants="yes">
            <lengthvariant>taille de fichier max.</lengthvariant>
            <lengthvariant>taille max.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>same as source</source>
        <translation variants="yes">
            <lengthvariant>comme la source</lengthvariant>
            <lengthvariant>d&apos;origine</lengthvariant>
        </translation>
    </message>
    <message>
        <source>The format of the resized pictures; &quot;same as source&quot; writes PNG for GIF, BMP and TIFF, and JPEG for HEIC</source>
        <translation>Le format des images redimensionnées&#xa0;; «&#xa0;comme la source&#xa0;» écrit du PNG pour les GIF, BMP et TIFF, et du JPEG pour les HEIC</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>cadre</translation>
    </message>
    <message>
        <source>Put every picture in a frame</source>
        <translation>Placer chaque image dans un cadre</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>This will be added to the filename of the resized images</source>
        <translation>Ceci sera ajouté au nom de fichier des images redimensionnées</translation>
    </message>
    <message>
        <source>don&apos;t</source>
        <translation>sans</translation>
    </message>
    <message>
        <source>also</source>
        <translation>avec</translation>
    </message>
    <message>
        <source>only</source>
        <translation>seul</translation>
    </message>
    <message>
        <source>Make index sheets (contact sheets) of the pictures</source>
        <translation>Créer des planches contact des images</translation>
    </message>
    <message>
        <source>index</source>
        <translation>index</translation>
    </message>
    <message>
        <source>with</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Pictures across a sheet</source>
        <translation>Images en largeur par planche</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Pictures down a sheet</source>
        <translation>Images en hauteur par planche</translation>
    </message>
    <message>
        <source>names</source>
        <translation>noms</translation>
    </message>
    <message>
        <source>image size</source>
        <translation>dimensions</translation>
    </message>
    <message>
        <source>filesize</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>Write new name here and click + to create a new preset</source>
        <translation>Saisissez un nouveau nom ici et cliquez sur + pour créer un préréglage</translation>
    </message>
    <message>
        <source>Create a new preset with current parameters</source>
        <translation>Créer un préréglage avec les réglages actuels</translation>
    </message>
    <message>
        <source>Remove current preset</source>
        <translation>Supprimer le préréglage actuel</translation>
    </message>
    <message>
        <source>(no frame)</source>
        <translation>(sans cadre)</translation>
    </message>
    <message>
        <source>(try all %1 frames)</source>
        <translation>(tous les %1 cadres)</translation>
    </message>
    <message>
        <source>NO FRAMES!</source>
        <translation>AUCUN CADRE&#xa0;!</translation>
    </message>
    <message>
        <source>Sorry, no frames installed.<byte value="xd"/>
<byte value="xd"/>
Would you like to open the folder where frames go?</source>
        <translation>Désolé, aucun cadre n&apos;est installé.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous ouvrir le dossier où placer les cadres&#xa0;?</translation>
    </message>
    <message>
        <source>Choose a folder to save the resized pictures to..</source>
        <translation>Choisissez un dossier où enregistrer les images redimensionnées..</translation>
    </message>
    <message>
        <source>Invalid character </source>
        <translation>Caractère non valide </translation>
    </message>
    <message>
        <source>Filenames cannot contain the following characters:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Les noms de fichiers ne peuvent pas contenir les caractères suivants&#xa0;:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation variants="yes">
            <lengthvariant>Ajouter...</lengthvariant>
            <lengthvariant>Ajout…</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Add pictures to the list</source>
        <translation>Ajouter des images à la liste</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the marked pictures, or else the selected one</source>
        <translation>Retirer les images cochées, ou à défaut l&apos;image sélectionnée</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation variants="yes">
            <lengthvariant>Tout effacer</lengthvariant>
            <lengthvariant>Vider</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation variants="yes">
            <lengthvariant>Enregistrer dans</lengthvariant>
            <lengthvariant>Dossier</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Folder to save the processed files to</source>
        <translation>Dossier où enregistrer les fichiers traités</translation>
    </message>
    <message>
        <source>Browse for folder</source>
        <translation>Parcourir les dossiers</translation>
    </message>
    <message>
        <source>same folder</source>
        <translation>même dossier</translation>
    </message>
    <message>
        <source>Save files in their same folder</source>
        <translation>Enregistrer les fichiers dans leur propre dossier</translation>
    </message>
    <message>
        <source>(click &quot;?&quot; again to close the help window and return to the main program)</source>
        <translation>(cliquez de nouveau sur «&#xa0;?&#xa0;» pour fermer l&apos;aide et revenir au programme)</translation>
    </message>
    <message>
        <source>file manager menu:</source>
        <translation variants="yes">
            <lengthvariant>menu du gestionnaire de fichiers&#xa0;:</lengthvariant>
            <lengthvariant>menu contextuel&#xa0;:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>JPG/JPEG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Add Veltrane command to the context-menu of JPGs and JPEGs</source>
        <translation>Ajouter la commande Veltrane au menu contextuel des fichiers JPG et JPEG</translation>
    </message>
    <message>
        <source>BMP &amp;&amp; GIF</source>
        <translation>BMP &amp;&amp; GIF</translation>
    </message>
    <message>
        <source>Toggle help</source>
        <translation>Afficher/masquer l&apos;aide</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>Go to Veltrane&apos;s homepage!</source>
        <translation>Visiter le site web de Veltrane&#xa0;!</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Minimize window</source>
        <translation>Réduire la fenêtre</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation>GO!</translation>
    </message>
    <message>
        <source>Start resizing the images</source>
        <translation>Lancer le redimensionnement des images</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Interrupt the process.</source>
        <translation>Interrompre le traitement.</translation>
    </message>
    <message>
        <source>Settings saved elsewhere</source>
        <translation>Paramètres enregistrés ailleurs</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Paramètres non enregistrés</translation>
    </message>
    <message>
        <source>The settings could not be saved:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés&#xa0;:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>File manager menu</source>
        <translation>Menu du gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>The file managers&apos; menu entries could not all be written:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Les entrées de menu des gestionnaires de fichiers n&apos;ont pas toutes pu être écrites&#xa0;:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Veltrane&apos;s guide</source>
        <translation>Guide de Veltrane</translation>
    </message>
    <message>
        <source> needs a folder</source>
        <translation> attend un dossier</translation>
    </message>
    <message>
        <source>unknown option </source>
        <translation>option inconnue </translation>
    </message>
    <message>
        <source>Resizing stopped</source>
        <translation>Redimensionnement arrêté</translation>
    </message>
    <message>
        <source>Resizing done</source>
        <translation>Redimensionnement terminé</translation>
    </message>
    <message>
        <source>1 picture written</source>
        <translation>1 image écrite</translation>
    </message>
    <message>
        <source>%1 pictures written</source>
        <translation>%1 images écrites</translation>
    </message>
    <message>
        <source>1 failed</source>
        <translation>1 échec</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 échecs</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>1 picture</source>
        <translation>1 image</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 images</translation>
    </message>
    <message>
        <source>IPTC left out of %1: only JPEG files carry it</source>
        <translation>IPTC omis pour %1&#xa0;: seuls les fichiers JPEG peuvent en contenir</translation>
    </message>
    <message>
        <source>only the first frame kept of 1 animated picture</source>
        <translation>seule la première image gardée pour 1 image animée</translation>
    </message>
    <message>
        <source>only the first frame kept of %1 animated pictures</source>
        <translation>seule la première image gardée pour %1 images animées</translation>
    </message>
    <message>
        <source>Nothing was resized</source>
        <translation>Rien n&apos;a été redimensionné</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the following files..</source>
        <translation>Impossible de lire les fichiers suivants..</translation>
    </message>
    <message>
        <source>Couldn&apos;t resize the following files..</source>
        <translation>Impossible de redimensionner les fichiers suivants..</translation>
    </message>
    <message>
        <source>Made smaller to fit the size limit..</source>
        <translation>Réduites pour respecter la limite de taille..</translation>
    </message>
    <message>
        <source>Written without some of their colours or metadata..</source>
        <translation>Écrites sans une partie de leurs couleurs ou métadonnées..</translation>
    </message>
    <message>
        <source>Good to know..</source>
        <translation>Bon à savoir..</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the following files..</source>
        <translation>Impossible d&apos;écrire les fichiers suivants..</translation>
    </message>
    <message>
        <source>No frames are installed, so there are no frames to try.</source>
        <translation>Aucun cadre n&apos;est installé&#xa0;: il n&apos;y a donc aucun cadre à essayer.</translation>
    </message>
    <message>
        <source>Please choose the folder to save the resized pictures to.</source>
        <translation>Veuillez choisir le dossier où enregistrer les images redimensionnées.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created, so no picture was resized.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être créé&#xa0;: aucune image n&apos;a donc été redimensionnée.</translation>
    </message>
    <message>
        <source>Nothing can be saved in the folder &quot;%1&quot; (%2), so no picture was resized.</source>
        <translation>Rien ne peut être enregistré dans le dossier «&#xa0;%1&#xa0;» (%2)&#xa0;: aucune image n&apos;a donc été redimensionnée.</translation>
    </message>
    <message>
        <source>%1 picture-indexes will be generated, trying all %2 frames.</source>
        <translation>%1 planches contact d&apos;images vont être créées, en essayant les %2 cadres.</translation>
    </message>
    <message>
        <source>%1 pictures and %2 picture-indexes will be generated, trying all %3 frames.</source>
        <translation>%1 images et %2 planches contact d&apos;images vont être créées, en essayant les %3 cadres.</translation>
    </message>
    <message>
        <source>Are you sure to proceed?</source>
        <translation>Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Couldn&apos;t process the following files..</source>
        <translation>Impossible de traiter les fichiers suivants..</translation>
    </message>
    <message>
        <source>Can only read JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF and BMP!</source>
        <translation>Seuls les fichiers JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF et BMP peuvent être lus&#xa0;!</translation>
    </message>
    <message>
        <source>The following files were skipped: </source>
        <translation>Les fichiers suivants ont été ignorés&#xa0;: </translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so this file was left out: %2.</source>
        <translation>La liste contient au plus %1 fichiers&#xa0;; ce fichier a donc été laissé de côté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2.</source>
        <translation>La liste contient au plus %1 fichiers&#xa0;; ces fichiers ont donc été laissés de côté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2 and %3 more.</source>
        <translation>La liste contient au plus %1 fichiers&#xa0;; ces fichiers ont donc été laissés de côté&#xa0;: %2 et %3 autres.</translation>
    </message>
    <message>
        <source>The list is full</source>
        <translation>La liste est pleine</translation>
    </message>
    <message>
        <source>Images (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</source>
        <translation>Images (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</translation>
    </message>
    <message>
        <source>%1 wants pixels from 1 to 65000, &quot;screen&quot; or &quot;off&quot;, not &quot;%2&quot;</source>
        <translation>%1 attend un nombre de pixels de 1 à 65000, «&#xa0;screen&#xa0;» ou «&#xa0;off&#xa0;», et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;: no frames are installed</source>
        <translation>aucun cadre nommé «&#xa0;%1&#xa0;»&#xa0;: aucun cadre n&apos;est installé</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;; installed: %2</source>
        <translation>aucun cadre nommé «&#xa0;%1&#xa0;»&#xa0;; cadres installés&#xa0;: %2</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--quality attend une qualité de 1 à 100, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--max-kb wants a size in kB above 0, not &quot;%1&quot;</source>
        <translation>--max-kb attend une taille en kB supérieure à 0, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--suffix cannot hold &quot;%1&quot;: file names cannot contain %2</source>
        <translation>--suffix&#xa0;: le suffixe ne peut pas être «&#xa0;%1&#xa0;», car les noms de fichiers ne peuvent pas contenir %2</translation>
    </message>
    <message>
        <source>--index wants &quot;none&quot;, &quot;also&quot; or &quot;only&quot;, not &quot;%1&quot;</source>
        <translation>--index attend «&#xa0;none&#xa0;», «&#xa0;also&#xa0;» ou «&#xa0;only&#xa0;», et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--grid wants ACROSSxDOWN, each 1 to 8, such as 4x3, not &quot;%1&quot;</source>
        <translation>--grid attend ACROSSxDOWN, chacun de 1 à 8, par exemple 4x3, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--output wants a folder, not an empty text</source>
        <translation>--output attend un dossier, et non un texte vide</translation>
    </message>
    <message>
        <source>--format wants %1, not &quot;%2&quot;</source>
        <translation>--format attend %1, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 wants WIDTHxHEIGHT in pixels, each 1 to 65000, such as 1024x768, not &quot;%2&quot;</source>
        <translation>%1 attend WIDTHxHEIGHT en pixels, chacun de 1 à 65000, par exemple 1024x768, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Ajouter un préréglage</translation>
    </message>
    <message>
        <source>Please enter a name to save this preset as.</source>
        <translation>Veuillez saisir le nom sous lequel enregistrer ce préréglage.</translation>
    </message>
    <message>
        <source>A preset name cannot contain &quot;=&quot;.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>Un nom de préréglage ne peut pas contenir «&#xa0;=&#xa0;».<byte value="xd"/>
<byte value="xd"/>
Veuillez saisir un autre nom pour enregistrer ce préréglage.</translation>
    </message>
    <message>
        <source>A preset called &quot;%1&quot; already exists.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>Un préréglage nommé «&#xa0;%1&#xa0;» existe déjà.<byte value="xd"/>
<byte value="xd"/>
Veuillez saisir un autre nom pour enregistrer ce préréglage.</translation>
    </message>
    <message>
        <source>This preset already exists.</source>
        <translation>Ce préréglage existe déjà.</translation>
    </message>
    <message>
        <source>The current configuration has already been saved as preset &quot;%1&quot;.</source>
        <translation>La configuration actuelle est déjà enregistrée comme préréglage «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The preset list is full: it holds %1 presets.<byte value="xd"/>
<byte value="xd"/>
Please remove a preset before adding another.</source>
        <translation>La liste des préréglages est pleine&#xa0;: elle en contient %1.<byte value="xd"/>
<byte value="xd"/>
Veuillez supprimer un préréglage avant d&apos;en ajouter un autre.</translation>
    </message>
    <message>
        <source>Remove this preset?</source>
        <translation>Supprimer ce préréglage&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure to remove preset &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer le préréglage «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>The settings could not be saved in the program folder:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
They are saved in &quot;%2&quot; instead, and read from there while that copy is the newer one.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans le dossier du programme&#xa0;:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Ils sont enregistrés dans «&#xa0;%2&#xa0;» à la place, et lus depuis cet endroit tant que cette copie est la plus récente.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>INDEX PICTURES (make test-prints)</source>
        <translation>PLANCHES CONTACT (tirages d&apos;essai)</translation>
    </message>
    <message>
        <source>SELECT THE BEST FRAME</source>
        <translation>CHOISIR LE MEILLEUR CADRE</translation>
    </message>
    <message>
        <source>WALLPAPERS</source>
        <translation>FONDS D&apos;ÉCRAN</translation>
    </message>
    <message>
        <source>THUMBNAILS</source>
        <translation>MINIATURES</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT</source>
        <translation>PIÈCE JOINTE DE COURRIEL</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT (framed)</source>
        <translation>PIÈCE JOINTE DE COURRIEL (avec cadre)</translation>
    </message>
    <message>
        <source>RE-SAMPLING</source>
        <translation>RÉÉCHANTILLONNAGE</translation>
    </message>
    <message>
        <source>Low-res</source>
        <translation>Basse résolution</translation>
    </message>
    <message>
        <source>Web pictures</source>
        <translation>Images pour le web</translation>
    </message>
    <message>
        <source>Web hi-res</source>
        <translation>Web haute résolution</translation>
    </message>
    <message>
        <source>Average PC image</source>
        <translation>Image PC moyenne</translation>
    </message>
    <message>
        <source>Hi-res</source>
        <translation>Haute résolution</translation>
    </message>
    <message>
        <source>Top-resolution (for digital printing)</source>
        <translation>Très haute résolution (pour l&apos;impression numérique)</translation>
    </message>
    <message>
        <source>STANDARD VIDEO-SIZES</source>
        <translation>TAILLES VIDÉO STANDARD</translation>
    </message>
    <message>
        <source>STANDARD PHOTO-SIZES (minimum)</source>
        <translation>TAILLES PHOTO STANDARD (minimum)</translation>
    </message>
    <message>
        <source>1MP Wallet-photo (2.5x3.5&quot;/6x9cm)</source>
        <translation>1MP Photo portefeuille (2.5x3.5&quot;/6x9cm)</translation>
    </message>
    <message>
        <source>2MP Normal photo (4x6&quot;/10x15cm)</source>
        <translation>2MP Photo normale (4x6&quot;/10x15cm)</translation>
    </message>
    <message>
        <source>3MP A4/LetterPaper (8x10&quot;/20x25cm)</source>
        <translation>3MP A4/Lettre US (8x10&quot;/20x25cm)</translation>
    </message>
    <message>
        <source>4MP Poster (9x12&quot;/23x30cm)</source>
        <translation>4MP Affiche (9x12&quot;/23x30cm)</translation>
    </message>
    <message>
        <source>5MP Large poster (10x13&quot;/25x33cm)</source>
        <translation>5MP Grande affiche (10x13&quot;/25x33cm)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source> PREVIEW (%1 x %2)</source>
        <translation> APERÇU (%1 x %2)</translation>
    </message>
    <message>
        <source> PREVIEW (no image selected)</source>
        <translation> APERÇU (aucune image choisie)</translation>
    </message>
    <message>
        <source> PREVIEW (scale 1 : %1)</source>
        <translation> APERÇU (échelle 1&#xa0;: %1)</translation>
    </message>
    <message>
        <source> PREVIEW</source>
        <translation> APERÇU</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>no image selected</source>
        <translation>aucune image choisie</translation>
    </message>
    <message>
        <source>TRY ALL</source>
        <translation>TOUS LES</translation>
    </message>
    <message>
        <source> FRAMES</source>
        <translation> CADRES</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>SETTINGS</source>
        <translation>PARAMÈTRES</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation variants="yes">
            <lengthvariant>Planches contact</lengthvariant>
            <lengthvariant>Planches</lengthvariant>
        </translation>
    </message>
    <message>
        <source>INDEXES: background color</source>
        <translation>PLANCHES&#xa0;: couleur de fond</translation>
    </message>
    <message>
        <source>Background color of the picture indexes</source>
        <translation>Couleur de fond des planches contact d&apos;images</translation>
    </message>
    <message>
        <source>text color</source>
        <translation variants="yes">
            <lengthvariant>couleur du texte</lengthvariant>
            <lengthvariant>texte</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Colour of the captions of the picture indexes</source>
        <translation>Couleur des légendes des planches contact d&apos;images</translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation>Couleur des lignes de légende</translation>
    </message>
    <message>
        <source>font size</source>
        <translation variants="yes">
            <lengthvariant>taille de police</lengthvariant>
            <lengthvariant>police</lengthvariant>
        </translation>
    </message>
    <message>
        <source>bold</source>
        <translation>gras</translation>
    </message>
    <message>
        <source>italics</source>
        <translation>italique</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>metadata</source>
        <translation variants="yes">
            <lengthvariant>métadonnées</lengthvariant>
            <lengthvariant>méta.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>keep all but the location</source>
        <translation>tout garder sauf le lieu</translation>
    </message>
    <message>
        <source>keep all</source>
        <translation variants="yes">
            <lengthvariant>tout garder</lengthvariant>
            <lengthvariant>garder</lengthvariant>
        </translation>
    </message>
    <message>
        <source>remove all</source>
        <translation>tout retirer</translation>
    </message>
    <message>
        <source>What resized photos keep of the date, camera, exposure, copyright and place (GPS) stored in their sources</source>
        <translation>Ce que les photos redimensionnées gardent de la date, de l&apos;appareil, de l&apos;exposition, du copyright et du lieu (GPS) enregistrés dans leurs sources</translation>
    </message>
    <message>
        <source>keep colour profiles (don&apos;t convert to sRGB)</source>
        <translation variants="yes">
            <lengthvariant>conserver les profils de couleur (ne pas convertir en sRGB)</lengthvariant>
            <lengthvariant>garder les profils (sans conversion en sRGB)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>For viewers that manage colour: photos keep the profile they came with instead of being converted to sRGB</source>
        <translation>Pour les visionneuses qui gèrent la couleur&#xa0;: les photos gardent leur profil d&apos;origine au lieu d&apos;être converties en sRGB</translation>
    </message>
    <message>
        <source>Interface style</source>
        <translation>Style d&apos;interface</translation>
    </message>
    <message>
        <source>graphic</source>
        <translation variants="yes">
            <lengthvariant>graphique</lengthvariant>
            <lengthvariant>graph.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>windowed</source>
        <translation>fenêtré</translation>
    </message>
    <message>
        <source>(you can also doubleclick empty areas to toggle)</source>
        <translation>(un double-clic sur une zone vide bascule aussi)</translation>
    </message>
    <message>
        <source>open the guide page on exit</source>
        <translation>ouvrir le guide en quittant</translation>
    </message>
    <message>
        <source>Open Veltrane&apos;s guide and support page in the browser when you close the program</source>
        <translation>Ouvrir la page de guide et d&apos;assistance de Veltrane dans le navigateur à la fermeture du programme</translation>
    </message>
    <message>
        <source>On job complete</source>
        <translation>Une fois terminé</translation>
    </message>
    <message>
        <source>..and then open resized images&apos; folder</source>
        <translation>..puis ouvrir le dossier des images</translation>
    </message>
    <message>
        <source>full-screen</source>
        <translation>plein écran</translation>
    </message>
    <message>
        <source>exit program</source>
        <translation>quitter</translation>
    </message>
</context>
</TS>
