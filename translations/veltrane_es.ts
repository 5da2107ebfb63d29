<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;veltrane-batch --help&apos; for more information.</source>
        <translation>Pruebe «veltrane-batch --help» para obtener más información.</translation>
    </message>
    <message>
        <source>Add --yes to go ahead.</source>
        <translation>Añada --yes para continuar.</translation>
    </message>
    <message>
        <source>Go ahead? [y/N]</source>
        <extracomment>The answer read is y or Y in every language.</extracomment>
        <translation>¿Continuar? [y/N]</translation>
    </message>
    <message>
        <source>no display answered, so the screen is taken as 1920x1080 (--screen WxH sets it)</source>
        <translation>ninguna pantalla respondió, así que se toma una pantalla de 1920x1080 (--screen WxH la fija)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot resize %1: %2</source>
        <translation>no se puede redimensionar %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>se omitió %1: %2</translation>
    </message>
    <message>
        <source>1 picture was stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>1 imagen se estiró sin mantener sus proporciones para llenar ambos límites; --fit WxH mantiene las proporciones, --stretch WxH indica que el estiramiento es intencionado</translation>
    </message>
    <message>
        <source>%1 pictures were stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>%1 imágenes se estiraron sin mantener sus proporciones para llenar ambos límites; --fit WxH mantiene las proporciones, --stretch WxH indica que el estiramiento es intencionado</translation>
    </message>
    <message>
        <source>the list could not be read to its end: %1</source>
        <translation>no se pudo leer la lista hasta el final: %1</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>no se indicó ningún archivo</translation>
    </message>
    <message>
        <source>  %1 pictures/s  %2:%3 left</source>
        <translation>  %1 imágenes/s  quedan %2:%3</translation>
    </message>
    <message>
        <source>no preset called &quot;%1&quot; (--list-presets names them)</source>
        <translation>no hay ningún preajuste llamado «%1» (--list-presets los enumera)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would try every frame: only the first job can</source>
        <translation>«%1» probaría todos los marcos: solo puede hacerlo el primer trabajo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; writes index sheets only: only the first job can</source>
        <translation>«%1» solo crea hojas índice: solo puede hacerlo el primer trabajo</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>unknown option: -%1</source>
        <translation>opción desconocida: -%1</translation>
    </message>
    <message>
        <source>-%1 needs a value</source>
        <translation>-%1 necesita un valor</translation>
    </message>
    <message>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>el valor de %1 no es UTF-8 válido</translation>
    </message>
    <message>
        <source>--screen wants WIDTHxHEIGHT, such as 1920x1080, not &quot;%1&quot;</source>
        <translation>--screen requiere WIDTHxHEIGHT, como 1920x1080, no «%1»</translation>
    </message>
    <message>
        <source>--defaults and --no-settings cannot go together</source>
        <translation>--defaults y --no-settings no pueden ir juntas: las dos cambian la configuración que se lee</translation>
    </message>
    <message>
        <source>--report wants a file name, or &quot;-&quot; for the standard output</source>
        <translation>--report requiere un nombre de archivo para el informe, o «-» para la salida estándar</translation>
    </message>
    <message>
        <source>--jobs wants a number of threads from 1 to 256, not &quot;%1&quot;</source>
        <translation>--jobs requiere un número de hilos de 1 a 256, no «%1»</translation>
    </message>
    <message>
        <source>--memory wants a number of MB from 16 to 1048576, not &quot;%1&quot;</source>
        <translation>--memory requiere una cantidad de MB de 16 a 1048576, no «%1»</translation>
    </message>
    <message>
        <source>--completion wants &quot;bash&quot;, &quot;zsh&quot; or &quot;fish&quot;, not &quot;%1&quot;</source>
        <translation>--completion requiere «bash», «zsh» o «fish», no «%1»</translation>
    </message>
    <message>
        <source>the report %1 cannot be written: %2</source>
        <translation>no se puede escribir el informe %1: %2</translation>
    </message>
    <message>
        <source>the report %1 is the list of names (--files-from); give the report another name</source>
        <translation>el informe %1 es la lista de nombres (--files-from); dé otro nombre al informe</translation>
    </message>
    <message>
        <source>%1 exists and is not a report of veltrane-batch, so it is left alone; give --report a new name or remove the file</source>
        <translation>%1 existe y no es un informe de veltrane-batch, así que no se toca; dé a --report un nombre nuevo o elimine el archivo</translation>
    </message>
    <message>
        <source>the list %1 cannot be read: %2</source>
        <translation>no se puede leer la lista %1: %2</translation>
    </message>
    <message>
        <source>the report is one of the sources (%1); give the report another name</source>
        <translation>el informe es uno de los archivos de origen (%1); dé otro nombre al informe</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pictures to resize</source>
        <translation>Imágenes para redimensionar</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Remove pictures</source>
        <translation>Quitar imágenes</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Añadir preajuste</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Quitar preajuste</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>Ancho máximo</translation>
    </message>
    <message>
        <source>Maximum height</source>
        <translation>Alto máximo</translation>
    </message>
    <message>
        <source>How pictures meet both limits</source>
        <translation>Cómo se ajustan las imágenes a ambos límites</translation>
    </message>
    <message>
        <source>Fixed quality in percent</source>
        <translation>Calidad fija en porcentaje</translation>
    </message>
    <message>
        <source>File size limit in kB</source>
        <translation>Límite de tamaño de archivo en kB</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Name extension</source>
        <translation>Sufijo del nombre</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation>Hojas índice</translation>
    </message>
    <message>
        <source>Pictures across an index sheet</source>
        <translation>Imágenes a lo ancho de una hoja índice</translation>
    </message>
    <message>
        <source>Pictures down an index sheet</source>
        <translation>Imágenes a lo alto de una hoja índice</translation>
    </message>
    <message>
        <source>Save to folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Choose the folder to save to</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Veltrane&apos;s homepage</source>
        <translation>Página web de Veltrane</translation>
    </message>
    <message>
        <source>Go: start or stop resizing</source>
        <translation>Ya: iniciar o detener el redimensionado</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Click to select, double-click to open/view.</source>
        <translation>Pulse para seleccionar; pulse dos veces para abrir o ver.</translation>
    </message>
    <message>
        <source> (a folder)</source>
        <translation> (una carpeta)</translation>
    </message>
    <message>
        <source>maximum width</source>
        <translation>ancho máximo</translation>
    </message>
    <message>
        <source>maximum height</source>
        <translation>alto máximo</translation>
    </message>
    <message>
        <source>stretch</source>
        <translation>estirar</translation>
    </message>
    <message>
        <source>fit inside</source>
        <translation>encajar</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>llenar</translation>
    </message>
    <message>
        <source>With both limits on: stretch pictures to exactly that size, fit them inside it, or fill it and crop the overflow from the centre</source>
        <translation>Con ambos límites activados: estirar las imágenes hasta ese tamaño exacto, encajarlas dentro de él, o llenarlo y recortar lo que sobresalga, desde el centro</translation>
    </message>
    <message>
        <source>never enlarge</source>
        <translation>nunca ampliar</translation>
    </message>
    <message>
        <source>Pictures already inside the limits keep their own size</source>
        <translation>Las imágenes que ya caben en los límites conservan su tamaño</translation>
    </message>
    <message>
        <source>also apply to vertical pictures</source>
        <translation>también a imágenes verticales</translation>
    </message>
    <message>
        <source>eg: 600x800 will be rescaled as 800x600</source>
        <translation>p. ej.: 600x800 se redimensionará como 800x600</translation>
    </message>
    <message>
        <source>manual adjustment</source>
        <translation>ajuste manual</translation>
    </message>
    <message>
        <source>Stretch/shrink the borders of preview window to set width &amp; height to resize to</source>
        <translation>Estire o encoja los bordes de la ventana de vista previa para fijar el ancho y el alto a los que redimensionar</translation>
    </message>
    <message>
        <source>preview</source>
        <translation variants="yes">
            <lengthvariant>vista previa</lengthvariant>
            <lengthvariant>vista</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Show/hide preview window</source>
        <translation>Mostrar/ocultar la ventana de vista previa</translation>
    </message>
    <message>
        <source>fixed quality</source>
        <translation>calidad fija</translation>
    </message>
    <message>
        <source>1 (minimum quality) to 100 (maximum quality)</source>
        <translation>De 1 (calidad mínima) a 100 (calidad máxima)</translation>
    </message>
    <message>
        <source>file size below</source>
        <translation>tamaño máximo</translation>
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
        <translation variants="yes">
            <lengthvariant>igual que el original</lengthvariant>
            <lengthvariant>como original</lengthvariant>
        </translation>
    </message>
    <message>
        <source>The format of the resized pictures; &quot;same as source&quot; writes PNG for GIF, BMP and TIFF, and JPEG for HEIC</source>
        <translation>El formato de las imágenes redimensionadas; «igual que el original» escribe PNG para GIF, BMP y TIFF, y JPEG para HEIC</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>marco</translation>
    </message>
    <message>
        <source>Put every picture in a frame</source>
        <translation>Poner cada imagen en un marco</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Sufijo</translation>
    </message>
    <message>
        <source>This will be added to the filename of the resized images</source>
        <translation>Se añadirá al nombre de archivo de las imágenes redimensionadas</translation>
    </message>
    <message>
        <source>don&apos;t</source>
        <translation>no</translation>
    </message>
    <message>
        <source>also</source>
        <translation variants="yes">
            <lengthvariant>también</lengthvariant>
            <lengthvariant>tb.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>only</source>
        <translation>solo</translation>
    </message>
    <message>
        <source>Make index sheets (contact sheets) of the pictures</source>
        <translation>Crear hojas índice (hojas de contactos) de las imágenes</translation>
    </message>
    <message>
        <source>index</source>
        <translation>índice</translation>
    </message>
    <message>
        <source>with</source>
        <translation>con</translation>
    </message>
    <message>
        <source>Pictures across a sheet</source>
        <translation>Imágenes a lo ancho de una hoja</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Pictures down a sheet</source>
        <translation>Imágenes a lo alto de una hoja</translation>
    </message>
    <message>
        <source>names</source>
        <translation variants="yes">
            <lengthvariant>nombres</lengthvariant>
            <lengthvariant>nomb.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>image size</source>
        <translation>dimensiones</translation>
    </message>
    <message>
        <source>filesize</source>
        <translation variants="yes">
            <lengthvariant>tamaño de archivo</lengthvariant>
            <lengthvariant>tamaño</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Write new name here and click + to create a new preset</source>
        <translation>Escriba aquí un nombre nuevo y pulse + para crear un preajuste</translation>
    </message>
    <message>
        <source>Create a new preset with current parameters</source>
        <translation>Crear un preajuste nuevo con los parámetros actuales</translation>
    </message>
    <message>
        <source>Remove current preset</source>
        <translation>Quitar el preajuste actual</translation>
    </message>
    <message>
        <source>(no frame)</source>
        <translation>(sin marco)</translation>
    </message>
    <message>
        <source>(try all %1 frames)</source>
        <translation variants="yes">
            <lengthvariant>(probar los %1 marcos)</lengthvariant>
            <lengthvariant>(los %1 marcos)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>NO FRAMES!</source>
        <translation>¡NO HAY MARCOS!</translation>
    </message>
    <message>
        <source>Sorry, no frames installed.<byte value="xd"/>
<byte value="xd"/>
Would you like to open the folder where frames go?</source>
        <translation>Lo sentimos, no hay marcos instalados.<byte value="xd"/>
<byte value="xd"/>
¿Quiere abrir la carpeta donde van los marcos?</translation>
    </message>
    <message>
        <source>Choose a folder to save the resized pictures to..</source>
        <translation>Elija una carpeta donde guardar las imágenes redimensionadas..</translation>
    </message>
    <message>
        <source>Invalid character </source>
        <translation>Carácter no válido </translation>
    </message>
    <message>
        <source>Filenames cannot contain the following characters:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Los nombres de archivo no pueden contener los siguientes caracteres:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation variants="yes">
            <lengthvariant>Añadir...</lengthvariant>
            <lengthvariant>Añadir</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Add pictures to the list</source>
        <translation>Añadir imágenes a la lista</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the marked pictures, or else the selected one</source>
        <translation>Quitar las imágenes marcadas o, si no hay ninguna, la seleccionada</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation variants="yes">
            <lengthvariant>Guardar en</lengthvariant>
            <lengthvariant>Destino</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Folder to save the processed files to</source>
        <translation>Carpeta donde guardar los archivos procesados</translation>
    </message>
    <message>
        <source>Browse for folder</source>
        <translation>Examinar carpetas</translation>
    </message>
    <message>
        <source>same folder</source>
        <translation>misma carpeta</translation>
    </message>
    <message>
        <source>Save files in their same folder</source>
        <translation>Guardar los archivos en su misma carpeta</translation>
    </message>
    <message>
        <source>(click &quot;?&quot; again to close the help window and return to the main program)</source>
        <translation>(pulse «?» otra vez para cerrar la ayuda y volver al programa principal)</translation>
    </message>
    <message>
        <source>file manager menu:</source>
        <translation variants="yes">
            <lengthvariant>menú del gestor de archivos:</lengthvariant>
            <lengthvariant>menú contextual:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>JPG/JPEG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Add Veltrane command to the context-menu of JPGs and JPEGs</source>
        <translation>Añadir la orden de Veltrane al menú contextual de los archivos JPG y JPEG</translation>
    </message>
    <message>
        <source>BMP &amp;&amp; GIF</source>
        <translation>BMP &amp;&amp; GIF</translation>
    </message>
    <message>
        <source>Toggle help</source>
        <translation>Mostrar/ocultar la ayuda</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>Go to Veltrane&apos;s homepage!</source>
        <translation>¡Visite la página web de Veltrane!</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Minimize window</source>
        <translation>Minimizar la ventana</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation variants="yes">
            <lengthvariant>¡YA!</lengthvariant>
            <lengthvariant>YA</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Start resizing the images</source>
        <translation>Empezar a redimensionar las imágenes</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation variants="yes">
            <lengthvariant>PARAR</lengthvariant>
            <lengthvariant>ALTO</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Interrupt the process.</source>
        <translation>Interrumpir el proceso.</translation>
    </message>
    <message>
        <source>Settings saved elsewhere</source>
        <translation>Configuración guardada en otro lugar</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>The settings could not be saved:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>No se pudo guardar la configuración:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>File manager menu</source>
        <translation>Menú del gestor de archivos</translation>
    </message>
    <message>
        <source>The file managers&apos; menu entries could not all be written:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>No se pudieron escribir todas las entradas de menú de los gestores de archivos:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Veltrane&apos;s guide</source>
        <translation>Guía de Veltrane</translation>
    </message>
    <message>
        <source> needs a folder</source>
        <translation> necesita una carpeta</translation>
    </message>
    <message>
        <source>unknown option </source>
        <translation>opción desconocida </translation>
    </message>
    <message>
        <source>Resizing stopped</source>
        <translation>Redimensionado detenido</translation>
    </message>
    <message>
        <source>Resizing done</source>
        <translation>Redimensionado terminado</translation>
    </message>
    <message>
        <source>1 picture written</source>
        <translation>1 imagen escrita</translation>
    </message>
    <message>
        <source>%1 pictures written</source>
        <translation>%1 imágenes escritas</translation>
    </message>
    <message>
        <source>1 failed</source>
        <translation>1 fallida</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fallidas</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>1 picture</source>
        <translation>1 imagen</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 imágenes</translation>
    </message>
    <message>
        <source>IPTC left out of %1: only JPEG files carry it</source>
        <translation>se omitió IPTC en %1: solo los archivos JPEG lo admiten</translation>
    </message>
    <message>
        <source>only the first frame kept of 1 animated picture</source>
        <translation>solo se conservó el primer fotograma de 1 imagen animada</translation>
    </message>
    <message>
        <source>only the first frame kept of %1 animated pictures</source>
        <translation>solo se conservó el primer fotograma de %1 imágenes animadas</translation>
    </message>
    <message>
        <source>Nothing was resized</source>
        <translation>No se redimensionó nada</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the following files..</source>
        <translation>No se pudieron leer los siguientes archivos..</translation>
    </message>
    <message>
        <source>Couldn&apos;t resize the following files..</source>
        <translation>No se pudieron redimensionar los siguientes archivos..</translation>
    </message>
    <message>
        <source>Made smaller to fit the size limit..</source>
        <translation>Se redujeron para no superar el límite de tamaño..</translation>
    </message>
    <message>
        <source>Written without some of their colours or metadata..</source>
        <translation>Se escribieron sin algunos de sus colores o metadatos..</translation>
    </message>
    <message>
        <source>Good to know..</source>
        <translation>A tener en cuenta..</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the following files..</source>
        <translation>No se pudieron escribir los siguientes archivos..</translation>
    </message>
    <message>
        <source>No frames are installed, so there are no frames to try.</source>
        <translation>No hay marcos instalados, así que no hay marcos que probar.</translation>
    </message>
    <message>
        <source>Please choose the folder to save the resized pictures to.</source>
        <translation>Elija la carpeta donde guardar las imágenes redimensionadas.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created, so no picture was resized.</source>
        <translation>No se puede crear la carpeta «%1», así que no se redimensionó ninguna imagen.</translation>
    </message>
    <message>
        <source>Nothing can be saved in the folder &quot;%1&quot; (%2), so no picture was resized.</source>
        <translation>No se puede guardar nada en la carpeta «%1» (%2), así que no se redimensionó ninguna imagen.</translation>
    </message>
    <message>
        <source>%1 picture-indexes will be generated, trying all %2 frames.</source>
        <translation>Se generarán %1 hojas índice, probando en cada imagen los %2 marcos.</translation>
    </message>
    <message>
        <source>%1 pictures and %2 picture-indexes will be generated, trying all %3 frames.</source>
        <translation>Se generarán %1 imágenes y %2 hojas índice, probando en cada imagen los %3 marcos.</translation>
    </message>
    <message>
        <source>Are you sure to proceed?</source>
        <translation>¿Seguro que quiere continuar?</translation>
    </message>
    <message>
        <source>Couldn&apos;t process the following files..</source>
        <translation>No se pudieron procesar los siguientes archivos..</translation>
    </message>
    <message>
        <source>Can only read JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF and BMP!</source>
        <translation>¡Solo se pueden leer archivos JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF y BMP!</translation>
    </message>
    <message>
        <source>The following files were skipped: </source>
        <translation>Se omitieron los siguientes archivos: </translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so this file was left out: %2.</source>
        <translation>La lista admite como máximo %1 archivos, así que se dejó fuera este archivo: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2.</source>
        <translation>La lista admite como máximo %1 archivos, así que se dejaron fuera estos archivos: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2 and %3 more.</source>
        <translation>La lista admite como máximo %1 archivos, así que se dejaron fuera estos archivos: %2 y %3 más.</translation>
    </message>
    <message>
        <source>The list is full</source>
        <translation>La lista está llena</translation>
    </message>
    <message>
        <source>Images (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</source>
        <translation>Imágenes (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</translation>
    </message>
    <message>
        <source>%1 wants pixels from 1 to 65000, &quot;screen&quot; or &quot;off&quot;, not &quot;%2&quot;</source>
        <translation>%1 requiere píxeles de 1 a 65000, «screen» u «off», no «%2»</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;: no frames are installed</source>
        <translation>no hay ningún marco llamado «%1»: no hay marcos instalados</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;; installed: %2</source>
        <translation>no hay ningún marco llamado «%1»; instalados: %2</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--quality requiere una calidad de 1 a 100, no «%1»</translation>
    </message>
    <message>
        <source>--max-kb wants a size in kB above 0, not &quot;%1&quot;</source>
        <translation>--max-kb requiere un tamaño en kB mayor que 0, no «%1»</translation>
    </message>
    <message>
        <source>--suffix cannot hold &quot;%1&quot;: file names cannot contain %2</source>
        <translation>el sufijo de --suffix no puede contener «%1»: los nombres de archivo no admiten %2</translation>
    </message>
    <message>
        <source>--index wants &quot;none&quot;, &quot;also&quot; or &quot;only&quot;, not &quot;%1&quot;</source>
        <translation>--index requiere «none», «also» u «only», no «%1»</translation>
    </message>
    <message>
        <source>--grid wants ACROSSxDOWN, each 1 to 8, such as 4x3, not &quot;%1&quot;</source>
        <translation>--grid requiere ACROSSxDOWN, cada uno de 1 a 8, como 4x3, no «%1»</translation>
    </message>
    <message>
        <source>--output wants a folder, not an empty text</source>
        <translation>--output requiere una carpeta, no un texto vacío</translation>
    </message>
    <message>
        <source>--format wants %1, not &quot;%2&quot;</source>
        <translation>el formato de --format debe ser %1, no «%2»</translation>
    </message>
    <message>
        <source>%1 wants WIDTHxHEIGHT in pixels, each 1 to 65000, such as 1024x768, not &quot;%2&quot;</source>
        <translation>%1 requiere WIDTHxHEIGHT en píxeles, cada uno de 1 a 65000, como 1024x768, no «%2»</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Añadir preajuste</translation>
    </message>
    <message>
        <source>Please enter a name to save this preset as.</source>
        <translation>Escriba un nombre con el que guardar este preajuste.</translation>
    </message>
    <message>
        <source>A preset name cannot contain &quot;=&quot;.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>El nombre de un preajuste no puede contener «=».<byte value="xd"/>
<byte value="xd"/>
Escriba otro nombre con el que guardar este preajuste.</translation>
    </message>
    <message>
        <source>A preset called &quot;%1&quot; already exists.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>Ya existe un preajuste llamado «%1».<byte value="xd"/>
<byte value="xd"/>
Escriba otro nombre con el que guardar este preajuste.</translation>
    </message>
    <message>
        <source>This preset already exists.</source>
        <translation>Este preajuste ya existe.</translation>
    </message>
    <message>
        <source>The current configuration has already been saved as preset &quot;%1&quot;.</source>
        <translation>La configuración actual ya está guardada como el preajuste «%1».</translation>
    </message>
    <message>
        <source>The preset list is full: it holds %1 presets.<byte value="xd"/>
<byte value="xd"/>
Please remove a preset before adding another.</source>
        <translation>La lista de preajustes está llena: contiene %1 preajustes.<byte value="xd"/>
<byte value="xd"/>
Quite un preajuste antes de añadir otro.</translation>
    </message>
    <message>
        <source>Remove this preset?</source>
        <translation>¿Quitar este preajuste?</translation>
    </message>
    <message>
        <source>Are you sure to remove preset &quot;%1&quot;?</source>
        <translation>¿Seguro que quiere quitar el preajuste «%1»?</translation>
    </message>
    <message>
        <source>The settings could not be saved in the program folder:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
They are saved in &quot;%2&quot; instead, and read from there while that copy is the newer one.</source>
        <translation>No se pudo guardar la configuración en la carpeta del programa:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Se guarda en «%2» en su lugar, y se lee de allí mientras esa copia sea la más reciente.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>INDEX PICTURES (make test-prints)</source>
        <translation>ÍNDICES DE IMÁGENES (pruebas de impresión)</translation>
    </message>
    <message>
        <source>SELECT THE BEST FRAME</source>
        <translation>ELEGIR EL MEJOR MARCO</translation>
    </message>
    <message>
        <source>WALLPAPERS</source>
        <translation>FONDOS DE ESCRITORIO</translation>
    </message>
    <message>
        <source>THUMBNAILS</source>
        <translation>MINIATURAS</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT</source>
        <translation>ADJUNTO DE CORREO</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT (framed)</source>
        <translation>ADJUNTO DE CORREO (con marco)</translation>
    </message>
    <message>
        <source>RE-SAMPLING</source>
        <translation>REMUESTREO</translation>
    </message>
    <message>
        <source>Low-res</source>
        <translation>Baja resolución</translation>
    </message>
    <message>
        <source>Web pictures</source>
        <translation>Imágenes para la web</translation>
    </message>
    <message>
        <source>Web hi-res</source>
        <translation>Web en alta resolución</translation>
    </message>
    <message>
        <source>Average PC image</source>
        <translation>Imagen normal para PC</translation>
    </message>
    <message>
        <source>Hi-res</source>
        <translation>Alta resolución</translation>
    </message>
    <message>
        <source>Top-resolution (for digital printing)</source>
        <translation>Máxima resolución (para impresión digital)</translation>
    </message>
    <message>
        <source>STANDARD VIDEO-SIZES</source>
        <translation>TAMAÑOS DE VÍDEO ESTÁNDAR</translation>
    </message>
    <message>
        <source>STANDARD PHOTO-SIZES (minimum)</source>
        <translation>TAMAÑOS DE FOTO ESTÁNDAR (mínimos)</translation>
    </message>
    <message>
        <source>1MP Wallet-photo (2.5x3.5&quot;/6x9cm)</source>
        <translation>1MP Foto de cartera (2.5x3.5&quot;/6x9cm)</translation>
    </message>
    <message>
        <source>2MP Normal photo (4x6&quot;/10x15cm)</source>
        <translation>2MP Foto normal (4x6&quot;/10x15cm)</translation>
    </message>
    <message>
        <source>3MP A4/LetterPaper (8x10&quot;/20x25cm)</source>
        <translation>3MP Papel A4/Carta (8x10&quot;/20x25cm)</translation>
    </message>
    <message>
        <source>4MP Poster (9x12&quot;/23x30cm)</source>
        <translation>4MP Póster (9x12&quot;/23x30cm)</translation>
    </message>
    <message>
        <source>5MP Large poster (10x13&quot;/25x33cm)</source>
        <translation>5MP Póster grande (10x13&quot;/25x33cm)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source> PREVIEW (%1 x %2)</source>
        <translation> VISTA PREVIA (%1 x %2)</translation>
    </message>
    <message>
        <source> PREVIEW (no image selected)</source>
        <translation> VISTA PREVIA (ninguna imagen seleccionada)</translation>
    </message>
    <message>
        <source> PREVIEW (scale 1 : %1)</source>
        <translation> VISTA PREVIA (escala 1 : %1)</translation>
    </message>
    <message>
        <source> PREVIEW</source>
        <translation> VISTA PREVIA</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>no image selected</source>
        <translation>ninguna imagen seleccionada</translation>
    </message>
    <message>
        <source>TRY ALL</source>
        <translation>PROBAR TODOS</translation>
    </message>
    <message>
        <source> FRAMES</source>
        <translation> MARCOS</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>SETTINGS</source>
        <translation>CONFIGURACIÓN</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation>Hojas índice</translation>
    </message>
    <message>
        <source>INDEXES: background color</source>
        <translation>ÍNDICES: color de fondo</translation>
    </message>
    <message>
        <source>Background color of the picture indexes</source>
        <translation>Color de fondo de las hojas índice, alrededor de cada imagen</translation>
    </message>
    <message>
        <source>text color</source>
        <translation variants="yes">
            <lengthvariant>color del texto</lengthvariant>
            <lengthvariant>texto</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Colour of the captions of the picture indexes</source>
        <translation>Color de los rótulos bajo cada imagen de las hojas índice</translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation>Color de línea</translation>
    </message>
    <message>
        <source>font size</source>
        <translation variants="yes">
            <lengthvariant>tamaño de letra</lengthvariant>
            <lengthvariant>tamaño</lengthvariant>
        </translation>
    </message>
    <message>
        <source>bold</source>
        <translation variants="yes">
            <lengthvariant>negrita</lengthvariant>
            <lengthvariant>neg.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>italics</source>
        <translation>cursiva</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>metadata</source>
        <translation>metadatos</translation>
    </message>
    <message>
        <source>keep all but the location</source>
        <translation variants="yes">
            <lengthvariant>conservar todo salvo la ubicación</lengthvariant>
            <lengthvariant>todo salvo la ubicación</lengthvariant>
        </translation>
    </message>
    <message>
        <source>keep all</source>
        <translation variants="yes">
            <lengthvariant>conservar todo</lengthvariant>
            <lengthvariant>todo</lengthvariant>
        </translation>
    </message>
    <message>
        <source>remove all</source>
        <translation>quitar todo</translation>
    </message>
    <message>
        <source>What resized photos keep of the date, camera, exposure, copyright and place (GPS) stored in their sources</source>
        <translation>Lo que conservan las fotos redimensionadas de la fecha, la cámara, la exposición, los derechos de autor y el lugar (GPS) guardados en sus originales</translation>
    </message>
    <message>
        <source>keep colour profiles (don&apos;t convert to sRGB)</source>
        <translation>conservar perfiles de color (no convertir a sRGB)</translation>
    </message>
    <message>
        <source>For viewers that manage colour: photos keep the profile they came with instead of being converted to sRGB</source>
        <translation>Para visores con gestión del color: las fotos conservan el perfil con el que llegaron en lugar de convertirse a sRGB</translation>
    </message>
    <message>
        <source>Interface style</source>
        <translation variants="yes">
            <lengthvariant>Estilo de la interfaz</lengthvariant>
            <lengthvariant>Aspecto</lengthvariant>
        </translation>
    </message>
    <message>
        <source>graphic</source>
        <translation>gráfico</translation>
    </message>
    <message>
        <source>windowed</source>
        <translation variants="yes">
            <lengthvariant>en ventana</lengthvariant>
            <lengthvariant>ventana</lengthvariant>
        </translation>
    </message>
    <message>
        <source>(you can also doubleclick empty areas to toggle)</source>
        <translation variants="yes">
            <lengthvariant>(también puede hacer doble clic en una zona vacía para cambiarlo)</lengthvariant>
            <lengthvariant>(o haga doble clic en una zona vacía)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>open the guide page on exit</source>
        <translation>abrir la guía al salir</translation>
    </message>
    <message>
        <source>Open Veltrane&apos;s guide and support page in the browser when you close the program</source>
        <translation>Abrir la página de guía y asistencia de Veltrane en el navegador al cerrar el programa</translation>
    </message>
    <message>
        <source>On job complete</source>
        <translation>Al terminar</translation>
    </message>
    <message>
        <source>..and then open resized images&apos; folder</source>
        <translation>..y luego abrir la carpeta de imágenes</translation>
    </message>
    <message>
        <source>full-screen</source>
        <translation variants="yes">
            <lengthvariant>pantalla completa</lengthvariant>
            <lengthvariant>p. completa</lengthvariant>
        </translation>
    </message>
    <message>
        <source>exit program</source>
        <translation variants="yes">
            <lengthvariant>salir del programa</lengthvariant>
            <lengthvariant>salir</lengthvariant>
        </translation>
    </message>
</context>
</TS>
