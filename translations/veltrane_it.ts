<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;veltrane-batch --help&apos; for more information.</source>
        <translation>Usare &apos;veltrane-batch --help&apos; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>Add --yes to go ahead.</source>
        <translation>Aggiungere --yes per procedere.</translation>
    </message>
    <message>
        <source>Go ahead? [y/N]</source>
        <extracomment>The answer read is y or Y in every language.</extracomment>
        <translation>Procedere? [y/N]</translation>
    </message>
    <message>
        <source>no display answered, so the screen is taken as 1920x1080 (--screen WxH sets it)</source>
        <translation>nessun display ha risposto, quindi lo schermo è considerato di 1920x1080 (lo si imposta con --screen WxH)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>cannot resize %1: %2</source>
        <translation>impossibile ridimensionare %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>saltato %1: %2</translation>
    </message>
    <message>
        <source>1 picture was stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>1 immagine è stata deformata per riempire entrambi i limiti; --fit WxH mantiene le proporzioni, --stretch WxH indica che la deformazione è voluta</translation>
    </message>
    <message>
        <source>%1 pictures were stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>%1 immagini sono state deformate per riempire entrambi i limiti; --fit WxH mantiene le proporzioni, --stretch WxH indica che la deformazione è voluta</translation>
    </message>
    <message>
        <source>the list could not be read to its end: %1</source>
        <translation>impossibile leggere l&apos;elenco fino alla fine: %1</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>nessun file indicato</translation>
    </message>
    <message>
        <source>  %1 pictures/s  %2:%3 left</source>
        <translation>  %1 immagini/s  %2:%3 rimanenti</translation>
    </message>
    <message>
        <source>no preset called &quot;%1&quot; (--list-presets names them)</source>
        <translation>nessuna preimpostazione chiamata &quot;%1&quot; (--list-presets le elenca)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would try every frame: only the first job can</source>
        <translation>&quot;%1&quot; proverebbe tutte le cornici: può farlo solo il primo lavoro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; writes index sheets only: only the first job can</source>
        <translation>&quot;%1&quot; crea solo fogli indice: può farlo solo il primo lavoro</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opzione sconosciuta: %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <source>unknown option: -%1</source>
        <translation>opzione sconosciuta: -%1</translation>
    </message>
    <message>
        <source>-%1 needs a value</source>
        <translation>-%1 richiede un valore</translation>
    </message>
    <message>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>il valore di %1 non è UTF-8 valido</translation>
    </message>
    <message>
        <source>--screen wants WIDTHxHEIGHT, such as 1920x1080, not &quot;%1&quot;</source>
        <translation>--screen richiede WIDTHxHEIGHT, per esempio 1920x1080, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--defaults and --no-settings cannot go together</source>
        <translation>le opzioni sulle impostazioni --defaults e --no-settings non possono andare insieme</translation>
    </message>
    <message>
        <source>--report wants a file name, or &quot;-&quot; for the standard output</source>
        <translation>--report richiede il nome di un file per il rapporto, o &quot;-&quot; per lo standard output</translation>
    </message>
    <message>
        <source>--jobs wants a number of threads from 1 to 256, not &quot;%1&quot;</source>
        <translation>--jobs richiede un numero di thread da 1 a 256, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--memory wants a number of MB from 16 to 1048576, not &quot;%1&quot;</source>
        <translation>--memory richiede un numero di MB da 16 a 1048576, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--completion wants &quot;bash&quot;, &quot;zsh&quot; or &quot;fish&quot;, not &quot;%1&quot;</source>
        <translation>--completion richiede &quot;bash&quot;, &quot;zsh&quot; o &quot;fish&quot;, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the report %1 cannot be written: %2</source>
        <translation>impossibile scrivere il rapporto %1: %2</translation>
    </message>
    <message>
        <source>the report %1 is the list of names (--files-from); give the report another name</source>
        <translation>il rapporto %1 è l&apos;elenco dei nomi (--files-from); dare un altro nome al rapporto</translation>
    </message>
    <message>
        <source>%1 exists and is not a report of veltrane-batch, so it is left alone; give --report a new name or remove the file</source>
        <translation>%1 esiste e non è un rapporto di veltrane-batch, quindi non viene toccato; dare un nuovo nome a --report o rimuovere il file</translation>
    </message>
    <message>
        <source>the list %1 cannot be read: %2</source>
        <translation>impossibile leggere l&apos;elenco %1: %2</translation>
    </message>
    <message>
        <source>the report is one of the sources (%1); give the report another name</source>
        <translation>il rapporto è uno dei file di origine (%1); dare un altro nome al rapporto</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pictures to resize</source>
        <translation>Immagini da ridimensionare</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Remove pictures</source>
        <translation>Rimuovi immagini</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Svuota l&apos;elenco</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preimpostazione</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Aggiungi preimpostazione</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Rimuovi preimpostazione</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>Larghezza massima</translation>
    </message>
    <message>
        <source>Maximum height</source>
        <translation>Altezza massima</translation>
    </message>
    <message>
        <source>How pictures meet both limits</source>
        <translation>Come le immagini rispettano entrambi i limiti</translation>
    </message>
    <message>
        <source>Fixed quality in percent</source>
        <translation>Qualità fissa in percentuale</translation>
    </message>
    <message>
        <source>File size limit in kB</source>
        <translation>Limite di dimensione del file in kB</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source>Name extension</source>
        <translation>Suffisso del nome</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation>Fogli indice</translation>
    </message>
    <message>
        <source>Pictures across an index sheet</source>
        <translation>Immagini in larghezza su un foglio indice</translation>
    </message>
    <message>
        <source>Pictures down an index sheet</source>
        <translation>Immagini in altezza su un foglio indice</translation>
    </message>
    <message>
        <source>Save to folder</source>
        <translation>Salva nella cartella</translation>
    </message>
    <message>
        <source>Choose the folder to save to</source>
        <translation>Scegli la cartella in cui salvare</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Veltrane&apos;s homepage</source>
        <translation>Sito web di Veltrane</translation>
    </message>
    <message>
        <source>Go: start or stop resizing</source>
        <translation>Via: avvia o ferma il ridimensionamento</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Click to select, double-click to open/view.</source>
        <translation>Fare clic per selezionare, doppio clic per aprire/visualizzare.</translation>
    </message>
    <message>
        <source> (a folder)</source>
        <translation> (una cartella)</translation>
    </message>
    <message>
        <source>maximum width</source>
        <translation variants="yes">
            <lengthvariant>larghezza massima</lengthvariant>
            <lengthvariant>larghezza max</lengthvariant>
        </translation>
    </message>
    <message>
        <source>maximum height</source>
        <translation variants="yes">
            <lengthvariant>altezza massima</lengthvariant>
            <lengthvariant>altezza max</lengthvariant>
        </translation>
    </message>
    <message>
        <source>stretch</source>
        <translation>stira</translation>
    </message>
    <message>
        <source>fit inside</source>
        <translation>adatta</translation>
    </message>
    <message>
        <source>fill</source>
        <translation variants="yes">
            <lengthvariant>riempi</lengthvariant>
            <lengthvariant>riem</lengthvariant>
        </translation>
    </message>
    <message>
        <source>With both limits on: stretch pictures to exactly that size, fit them inside it, or fill it and crop the overflow from the centre</source>
        <translation>Con entrambi i limiti attivi: stirare le immagini esattamente a quella dimensione, adattarle al suo interno, oppure riempirla e ritagliare dal centro ciò che eccede</translation>
    </message>
    <message>
        <source>never enlarge</source>
        <translation>non ingrandire</translation>
    </message>
    <message>
        <source>Pictures already inside the limits keep their own size</source>
        <translation>Le immagini già entro i limiti mantengono la propria dimensione</translation>
    </message>
    <message>
        <source>also apply to vertical pictures</source>
        <translation>anche per le immagini verticali</translation>
    </message>
    <message>
        <source>eg: 600x800 will be rescaled as 800x600</source>
        <translation>es.: 600x800 verrà ridimensionata come 800x600</translation>
    </message>
    <message>
        <source>manual adjustment</source>
        <translation variants="yes">
            <lengthvariant>regolazione manuale</lengthvariant>
            <lengthvariant>a mano</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Stretch/shrink the borders of preview window to set width &amp; height to resize to</source>
        <translation>Allargare/restringere i bordi della finestra di anteprima per impostare la larghezza e l&apos;altezza da ottenere</translation>
    </message>
    <message>
        <source>preview</source>
        <translation variants="yes">
            <lengthvariant>anteprima</lengthvariant>
            <lengthvariant>antepr.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Show/hide preview window</source>
        <translation>Mostra/nasconde la finestra di anteprima</translation>
    </message>
    <message>
        <source>fixed quality</source>
        <translation>qualità fissa</translation>
    </message>
    <message>
        <source>1 (minimum quality) to 100 (maximum quality)</source>
        <translation>da 1 (qualità minima) a 100 (qualità massima)</translation>
    </message>
    <message>
        <source>file size below</source>
        <translation variants="yes">
            <lengthvariant>dimensione file massima</lengthvariant>
            <lengthvariant>dimensione max</lengthvariant>
        </translation>
    </message>
    <message>
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>same as source</source>
        <translation>come l&apos;originale</translation>
    </message>
    <message>
        <source>The format of the resized pictures; &quot;same as source&quot; writes PNG for GIF, BMP and TIFF, and JPEG for HEIC</source>
        <translation>Il formato delle immagini ridimensionate; &quot;come l&apos;originale&quot; scrive PNG per GIF, BMP e TIFF, e JPEG per HEIC</translation>
    </message>
    <message>
        <source>frame</source>
        <translation variants="yes">
            <lengthvariant>cornice</lengthvariant>
            <lengthvariant>corn.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Put every picture in a frame</source>
        <translation>Mette ogni immagine in una cornice</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Suffisso</translation>
    </message>
    <message>
        <source>This will be added to the filename of the resized images</source>
        <translation>Viene aggiunto al nome file delle immagini ridimensionate</translation>
    </message>
    <message>
        <source>don&apos;t</source>
        <translation>no</translation>
    </message>
    <message>
        <source>also</source>
        <translation>anche</translation>
    </message>
    <message>
        <source>only</source>
        <translation>solo</translation>
    </message>
    <message>
        <source>Make index sheets (contact sheets) of the pictures</source>
        <translation>Crea fogli indice (provini a contatto) delle immagini</translation>
    </message>
    <message>
        <source>index</source>
        <translation>indice</translation>
    </message>
    <message>
        <source>with</source>
        <translation>con</translation>
    </message>
    <message>
        <source>Pictures across a sheet</source>
        <translation>Immagini in larghezza per foglio</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Pictures down a sheet</source>
        <translation>Immagini in altezza per foglio</translation>
    </message>
    <message>
        <source>names</source>
        <translation>nomi</translation>
    </message>
    <message>
        <source>image size</source>
        <translation variants="yes">
            <lengthvariant>dimensioni immagine</lengthvariant>
            <lengthvariant>dimensioni</lengthvariant>
        </translation>
    </message>
    <message>
        <source>filesize</source>
        <translation variants="yes">
            <lengthvariant>dimensione file</lengthvariant>
            <lengthvariant>peso</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Write new name here and click + to create a new preset</source>
        <translation>Scrivere qui un nuovo nome e fare clic su + per creare una nuova preimpostazione</translation>
    </message>
    <message>
        <source>Create a new preset with current parameters</source>
        <translation>Crea una nuova preimpostazione con i parametri attuali</translation>
    </message>
    <message>
        <source>Remove current preset</source>
        <translation>Rimuove la preimpostazione attuale</translation>
    </message>
    <message>
        <source>(no frame)</source>
        <translation variants="yes">
            <lengthvariant>(nessuna cornice)</lengthvariant>
            <lengthvariant>(nessuna)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>(try all %1 frames)</source>
        <translation variants="yes">
            <lengthvariant>(prova tutte le %1 cornici)</lengthvariant>
            <lengthvariant>(prova %1 cornici)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>NO FRAMES!</source>
        <translation>NESSUNA CORNICE!</translation>
    </message>
    <message>
        <source>Sorry, no frames installed.<byte value="xd"/>
<byte value="xd"/>
Would you like to open the folder where frames go?</source>
        <translation>Spiacenti, non è installata alcuna cornice.<byte value="xd"/>
<byte value="xd"/>
Aprire la cartella in cui vanno messe le cornici?</translation>
    </message>
    <message>
        <source>Choose a folder to save the resized pictures to..</source>
        <translation>Scegli una cartella in cui salvare le immagini ridimensionate..</translation>
    </message>
    <message>
        <source>Invalid character </source>
        <translation>Carattere non valido </translation>
    </message>
    <message>
        <source>Filenames cannot contain the following characters:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>I nomi dei file non possono contenere i seguenti caratteri:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation variants="yes">
            <lengthvariant>Aggiungi...</lengthvariant>
            <lengthvariant>Agg...</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Add pictures to the list</source>
        <translation>Aggiunge immagini all&apos;elenco</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove the marked pictures, or else the selected one</source>
        <translation>Rimuove le immagini contrassegnate o, se non ce ne sono, quella selezionata</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Svuota l&apos;elenco</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Salva in</translation>
    </message>
    <message>
        <source>Folder to save the processed files to</source>
        <translation>Cartella in cui salvare i file elaborati</translation>
    </message>
    <message>
        <source>Browse for folder</source>
        <translation>Sfoglia le cartelle</translation>
    </message>
    <message>
        <source>same folder</source>
        <translation variants="yes">
            <lengthvariant>stessa cartella</lengthvariant>
            <lengthvariant>cart. orig.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Save files in their same folder</source>
        <translation>Salva i file nella stessa cartella degli originali</translation>
    </message>
    <message>
        <source>(click &quot;?&quot; again to close the help window and return to the main program)</source>
        <translation>(fare di nuovo clic su &quot;?&quot; per chiudere l&apos;aiuto e tornare al programma)</translation>
    </message>
    <message>
        <source>file manager menu:</source>
        <translation>menu gestore file:</translation>
    </message>
    <message>
        <source>JPG/JPEG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Add Veltrane command to the context-menu of JPGs and JPEGs</source>
        <translation>Aggiunge il comando di Veltrane al menu contestuale dei file JPG e JPEG</translation>
    </message>
    <message>
        <source>BMP &amp;&amp; GIF</source>
        <translation>BMP &amp;&amp; GIF</translation>
    </message>
    <message>
        <source>Toggle help</source>
        <translation>Mostra/nasconde l&apos;aiuto</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <source>Go to Veltrane&apos;s homepage!</source>
        <translation>Visita il sito web di Veltrane!</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Esce dal programma</translation>
    </message>
    <message>
        <source>Minimize window</source>
        <translation>Minimizza la finestra</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation variants="yes">
            <lengthvariant>VIA!</lengthvariant>
            <lengthvariant>VIA</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Start resizing the images</source>
        <translation>Avvia il ridimensionamento delle immagini</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Interrupt the process.</source>
        <translation>Interrompe l&apos;elaborazione.</translation>
    </message>
    <message>
        <source>Settings saved elsewhere</source>
        <translation>Impostazioni salvate altrove</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
    <message>
        <source>The settings could not be saved:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Impossibile salvare le impostazioni:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>File manager menu</source>
        <translation>Menu del gestore file</translation>
    </message>
    <message>
        <source>The file managers&apos; menu entries could not all be written:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Non è stato possibile scrivere tutte le voci di menu dei gestori file:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Veltrane&apos;s guide</source>
        <translation>Guida di Veltrane</translation>
    </message>
    <message>
        <source> needs a folder</source>
        <translation> richiede una cartella</translation>
    </message>
    <message>
        <source>unknown option </source>
        <translation>opzione sconosciuta </translation>
    </message>
    <message>
        <source>Resizing stopped</source>
        <translation>Ridimensionamento interrotto</translation>
    </message>
    <message>
        <source>Resizing done</source>
        <translation>Ridimensionamento completato</translation>
    </message>
    <message>
        <source>1 picture written</source>
        <translation>1 immagine scritta</translation>
    </message>
    <message>
        <source>%1 pictures written</source>
        <translation>%1 immagini scritte</translation>
    </message>
    <message>
        <source>1 failed</source>
        <translation>1 non riuscita</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 non riuscite</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>1 picture</source>
        <translation>1 immagine</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 immagini</translation>
    </message>
    <message>
        <source>IPTC left out of %1: only JPEG files carry it</source>
        <translation>dati IPTC omessi da %1: solo i file JPEG possono contenerli</translation>
    </message>
    <message>
        <source>only the first frame kept of 1 animated picture</source>
        <translation>mantenuto solo il primo fotogramma di 1 immagine animata</translation>
    </message>
    <message>
        <source>only the first frame kept of %1 animated pictures</source>
        <translation>mantenuto solo il primo fotogramma di %1 immagini animate</translation>
    </message>
    <message>
        <source>Nothing was resized</source>
        <translation>Non è stato ridimensionato nulla</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the following files..</source>
        <translation>Impossibile leggere i seguenti file..</translation>
    </message>
    <message>
        <source>Couldn&apos;t resize the following files..</source>
        <translation>Impossibile ridimensionare i seguenti file..</translation>
    </message>
    <message>
        <source>Made smaller to fit the size limit..</source>
        <translation>Rimpicciolite per rientrare nel limite di dimensione..</translation>
    </message>
    <message>
        <source>Written without some of their colours or metadata..</source>
        <translation>Salvati senza parte dei colori o dei metadati..</translation>
    </message>
    <message>
        <source>Good to know..</source>
        <translation>Buono a sapersi..</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the following files..</source>
        <translation>Impossibile scrivere i seguenti file..</translation>
    </message>
    <message>
        <source>No frames are installed, so there are no frames to try.</source>
        <translation>Non è installata alcuna cornice, quindi non ci sono cornici da provare.</translation>
    </message>
    <message>
        <source>Please choose the folder to save the resized pictures to.</source>
        <translation>Scegliere la cartella in cui salvare le immagini ridimensionate.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created, so no picture was resized.</source>
        <translation>Impossibile creare la cartella &quot;%1&quot;, quindi nessuna immagine è stata ridimensionata.</translation>
    </message>
    <message>
        <source>Nothing can be saved in the folder &quot;%1&quot; (%2), so no picture was resized.</source>
        <translation>Non è possibile salvare nulla nella cartella &quot;%1&quot; (%2), quindi nessuna immagine è stata ridimensionata.</translation>
    </message>
    <message>
        <source>%1 picture-indexes will be generated, trying all %2 frames.</source>
        <translation>Si genereranno %1 fogli indice delle immagini, provando tutte le %2 cornici.</translation>
    </message>
    <message>
        <source>%1 pictures and %2 picture-indexes will be generated, trying all %3 frames.</source>
        <translation>Si genereranno %1 immagini e %2 fogli indice delle immagini, provando tutte le %3 cornici.</translation>
    </message>
    <message>
        <source>Are you sure to proceed?</source>
        <translation>Procedere davvero?</translation>
    </message>
    <message>
        <source>Couldn&apos;t process the following files..</source>
        <translation>Impossibile elaborare i seguenti file..</translation>
    </message>
    <message>
        <source>Can only read JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF and BMP!</source>
        <translation>È possibile leggere solo file JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF e BMP!</translation>
    </message>
    <message>
        <source>The following files were skipped: </source>
        <translation>I seguenti file sono stati saltati: </translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so this file was left out: %2.</source>
        <translation>L&apos;elenco contiene al massimo %1 file, quindi questo file è stato escluso: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2.</source>
        <translation>L&apos;elenco contiene al massimo %1 file, quindi questi file sono stati esclusi: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2 and %3 more.</source>
        <translation>L&apos;elenco contiene al massimo %1 file, quindi questi file sono stati esclusi: %2 e altri %3.</translation>
    </message>
    <message>
        <source>The list is full</source>
        <translation>L&apos;elenco è pieno</translation>
    </message>
    <message>
        <source>Images (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</source>
        <translation>Immagini (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</translation>
    </message>
    <message>
        <source>%1 wants pixels from 1 to 65000, &quot;screen&quot; or &quot;off&quot;, not &quot;%2&quot;</source>
        <translation>%1 richiede un numero di pixel da 1 a 65000, &quot;screen&quot; o &quot;off&quot;, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;: no frames are installed</source>
        <translation>nessuna cornice chiamata &quot;%1&quot;: non è installata alcuna cornice</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;; installed: %2</source>
        <translation>nessuna cornice chiamata &quot;%1&quot;; installate: %2</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--quality richiede una qualità da 1 a 100, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--max-kb wants a size in kB above 0, not &quot;%1&quot;</source>
        <translation>--max-kb richiede una dimensione in kB maggiore di 0, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--suffix cannot hold &quot;%1&quot;: file names cannot contain %2</source>
        <translation>il suffisso &quot;%1&quot; non è valido per --suffix: i nomi dei file non possono contenere %2</translation>
    </message>
    <message>
        <source>--index wants &quot;none&quot;, &quot;also&quot; or &quot;only&quot;, not &quot;%1&quot;</source>
        <translation>--index richiede &quot;none&quot;, &quot;also&quot; o &quot;only&quot;, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--grid wants ACROSSxDOWN, each 1 to 8, such as 4x3, not &quot;%1&quot;</source>
        <translation>--grid richiede ACROSSxDOWN, ciascuno da 1 a 8, per esempio 4x3, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--output wants a folder, not an empty text</source>
        <translation>--output richiede una cartella, non un testo vuoto</translation>
    </message>
    <message>
        <source>--format wants %1, not &quot;%2&quot;</source>
        <translation>--format richiede %1, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 wants WIDTHxHEIGHT in pixels, each 1 to 65000, such as 1024x768, not &quot;%2&quot;</source>
        <translation>%1 richiede WIDTHxHEIGHT in pixel, ciascuno da 1 a 65000, per esempio 1024x768, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Aggiungi preimpostazione</translation>
    </message>
    <message>
        <source>Please enter a name to save this preset as.</source>
        <translation>Inserire un nome con cui salvare questa preimpostazione.</translation>
    </message>
    <message>
        <source>A preset name cannot contain &quot;=&quot;.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>Il nome di una preimpostazione non può contenere &quot;=&quot;.<byte value="xd"/>
<byte value="xd"/>
Inserire un altro nome con cui salvare questa preimpostazione.</translation>
    </message>
    <message>
        <source>A preset called &quot;%1&quot; already exists.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>Esiste già una preimpostazione chiamata &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Inserire un altro nome con cui salvare questa preimpostazione.</translation>
    </message>
    <message>
        <source>This preset already exists.</source>
        <translation>Questa preimpostazione esiste già.</translation>
    </message>
    <message>
        <source>The current configuration has already been saved as preset &quot;%1&quot;.</source>
        <translation>La configurazione attuale è già salvata come preimpostazione &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The preset list is full: it holds %1 presets.<byte value="xd"/>
<byte value="xd"/>
Please remove a preset before adding another.</source>
        <translation>L&apos;elenco delle preimpostazioni è pieno: ne contiene %1.<byte value="xd"/>
<byte value="xd"/>
Rimuovere una preimpostazione prima di aggiungerne un&apos;altra.</translation>
    </message>
    <message>
        <source>Remove this preset?</source>
        <translation>Rimuovere questa preimpostazione?</translation>
    </message>
    <message>
        <source>Are you sure to remove preset &quot;%1&quot;?</source>
        <translation>Rimuovere davvero la preimpostazione &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The settings could not be saved in the program folder:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
They are saved in &quot;%2&quot; instead, and read from there while that copy is the newer one.</source>
        <translation>Impossibile salvare le impostazioni nella cartella del programma:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Vengono invece salvate in &quot;%2&quot; e lette da lì finché quella copia è la più recente.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>INDEX PICTURES (make test-prints)</source>
        <translation>FOGLI INDICE DELLE IMMAGINI (stampe di prova)</translation>
    </message>
    <message>
        <source>SELECT THE BEST FRAME</source>
        <translation>SCEGLI LA CORNICE MIGLIORE</translation>
    </message>
    <message>
        <source>WALLPAPERS</source>
        <translation>SFONDI</translation>
    </message>
    <message>
        <source>THUMBNAILS</source>
        <translation>MINIATURE</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT</source>
        <translation>ALLEGATO E-MAIL</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT (framed)</source>
        <translation>ALLEGATO E-MAIL (con cornice)</translation>
    </message>
    <message>
        <source>RE-SAMPLING</source>
        <translation>RICAMPIONAMENTO</translation>
    </message>
    <message>
        <source>Low-res</source>
        <translation>Bassa risoluzione</translation>
    </message>
    <message>
        <source>Web pictures</source>
        <translation>Immagini per il web</translation>
    </message>
    <message>
        <source>Web hi-res</source>
        <translation>Web ad alta risoluzione</translation>
    </message>
    <message>
        <source>Average PC image</source>
        <translation>Immagine media per PC</translation>
    </message>
    <message>
        <source>Hi-res</source>
        <translation>Alta risoluzione</translation>
    </message>
    <message>
        <source>Top-resolution (for digital printing)</source>
        <translation>Massima risoluzione (per la stampa digitale)</translation>
    </message>
    <message>
        <source>STANDARD VIDEO-SIZES</source>
        <translation>FORMATI VIDEO STANDARD</translation>
    </message>
    <message>
        <source>STANDARD PHOTO-SIZES (minimum)</source>
        <translation>FORMATI FOTO STANDARD (minimi)</translation>
    </message>
    <message>
        <source>1MP Wallet-photo (2.5x3.5&quot;/6x9cm)</source>
        <translation>1MP Foto da portafoglio (2.5x3.5&quot;/6x9cm)</translation>
    </message>
    <message>
        <source>2MP Normal photo (4x6&quot;/10x15cm)</source>
        <translation>2MP Foto normale (4x6&quot;/10x15cm)</translation>
    </message>
    <message>
        <source>3MP A4/LetterPaper (8x10&quot;/20x25cm)</source>
        <translation>3MP Foglio A4/Letter (8x10&quot;/20x25cm)</translation>
    </message>
    <message>
        <source>4MP Poster (9x12&quot;/23x30cm)</source>
        <translation>4MP Poster (9x12&quot;/23x30cm)</translation>
    </message>
    <message>
        <source>5MP Large poster (10x13&quot;/25x33cm)</source>
        <translation>5MP Poster grande (10x13&quot;/25x33cm)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source> PREVIEW (%1 x %2)</source>
        <translation> ANTEPRIMA (%1 x %2)</translation>
    </message>
    <message>
        <source> PREVIEW (no image selected)</source>
        <translation> ANTEPRIMA (nessuna immagine)</translation>
    </message>
    <message>
        <source> PREVIEW (scale 1 : %1)</source>
        <translation> ANTEPRIMA (scala 1 : %1)</translation>
    </message>
    <message>
        <source> PREVIEW</source>
        <translation> ANTEPRIMA</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>no image selected</source>
        <translation>nessuna immagine</translation>
    </message>
    <message>
        <source>TRY ALL</source>
        <translation>TUTTE</translation>
    </message>
    <message>
        <source> FRAMES</source>
        <translation> CORNICI</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>SETTINGS</source>
        <translation>IMPOSTAZIONI</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation>Fogli indice</translation>
    </message>
    <message>
        <source>INDEXES: background color</source>
        <translation>INDICI: colore di sfondo</translation>
    </message>
    <message>
        <source>Background color of the picture indexes</source>
        <translation>Colore di sfondo dei fogli indice delle immagini</translation>
    </message>
    <message>
        <source>text color</source>
        <translation>colore testo</translation>
    </message>
    <message>
        <source>Colour of the captions of the picture indexes</source>
        <translation>Colore delle didascalie dei fogli indice delle immagini</translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation>Colore delle righe di testo</translation>
    </message>
    <message>
        <source>font size</source>
        <translation variants="yes">
            <lengthvariant>dimensione carattere</lengthvariant>
            <lengthvariant>dim. car.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>bold</source>
        <translation variants="yes">
            <lengthvariant>grassetto</lengthvariant>
            <lengthvariant>gr.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>italics</source>
        <translation>corsivo</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>metadata</source>
        <translation>metadati</translation>
    </message>
    <message>
        <source>keep all but the location</source>
        <translation variants="yes">
            <lengthvariant>mantieni tutti tranne la posizione</lengthvariant>
            <lengthvariant>tutti tranne posizione</lengthvariant>
        </translation>
    </message>
    <message>
        <source>keep all</source>
        <translation variants="yes">
            <lengthvariant>mantieni tutti</lengthvariant>
            <lengthvariant>tutti</lengthvariant>
        </translation>
    </message>
    <message>
        <source>remove all</source>
        <translation variants="yes">
            <lengthvariant>rimuovi tutti</lengthvariant>
            <lengthvariant>nessuno</lengthvariant>
        </translation>
    </message>
    <message>
        <source>What resized photos keep of the date, camera, exposure, copyright and place (GPS) stored in their sources</source>
        <translation>Cosa conservano le foto ridimensionate di data, fotocamera, esposizione, copyright e luogo (GPS) memorizzati negli originali</translation>
    </message>
    <message>
        <source>keep colour profiles (don&apos;t convert to sRGB)</source>
        <translation>mantieni i profili colore (non convertire in sRGB)</translation>
    </message>
    <message>
        <source>For viewers that manage colour: photos keep the profile they came with instead of being converted to sRGB</source>
        <translation>Per i visualizzatori che gestiscono il colore: le foto mantengono il proprio profilo invece di essere convertite in sRGB</translation>
    </message>
    <message>
        <source>Interface style</source>
        <translation>Stile interfaccia</translation>
    </message>
    <message>
        <source>graphic</source>
        <translation>grafica</translation>
    </message>
    <message>
        <source>windowed</source>
        <translation variants="yes">
            <lengthvariant>in finestra</lengthvariant>
            <lengthvariant>finestra</lengthvariant>
        </translation>
    </message>
    <message>
        <source>(you can also doubleclick empty areas to toggle)</source>
        <translation>(anche doppio clic sulle aree vuote per cambiare)</translation>
    </message>
    <message>
        <source>open the guide page on exit</source>
        <translation>apri la guida all&apos;uscita</translation>
    </message>
    <message>
        <source>Open Veltrane&apos;s guide and support page in the browser when you close the program</source>
        <translation>Apre la pagina di guida e supporto di Veltrane nel browser quando si chiude il programma</translation>
    </message>
    <message>
        <source>On job complete</source>
        <translation>A lavoro finito</translation>
    </message>
    <message>
        <source>..and then open resized images&apos; folder</source>
        <translation variants="yes">
            <lengthvariant>..e poi apri la cartella delle immagini ridimensionate</lengthvariant>
            <lengthvariant>..e apri la cartella di destinazione</lengthvariant>
        </translation>
    </message>
    <message>
        <source>full-screen</source>
        <translation variants="yes">
            <lengthvariant>schermo intero</lengthvariant>
            <lengthvariant>sch. intero</lengthvariant>
        </translation>
    </message>
    <message>
        <source>exit program</source>
        <translation variants="yes">
            <lengthvariant>esci dal programma</lengthvariant>
            <lengthvariant>esci</lengthvariant>
        </translation>
    </message>
</context>
</TS>
