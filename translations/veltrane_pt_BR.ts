<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;veltrane-batch --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add --yes to go ahead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go ahead? [y/N]</source>
        <extracomment>The answer read is y or Y in every language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display answered, so the screen is taken as 1920x1080 (--screen WxH sets it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot resize %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 picture was stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures were stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list could not be read to its end: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no files given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 pictures/s  %2:%3 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no preset called &quot;%1&quot; (--list-presets names them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; would try every frame: only the first job can</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; writes index sheets only: only the first job can</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option: -%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value of %1 is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screen wants WIDTHxHEIGHT, such as 1920x1080, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--defaults and --no-settings cannot go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report wants a file name, or &quot;-&quot; for the standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs wants a number of threads from 1 to 256, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--memory wants a number of MB from 16 to 1048576, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--completion wants &quot;bash&quot;, &quot;zsh&quot; or &quot;fish&quot;, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report %1 is the list of names (--files-from); give the report another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists and is not a report of veltrane-batch, so it is left alone; give --report a new name or remove the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report is one of the sources (%1); give the report another name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pictures to resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How pictures meet both limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed quality in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File size limit in kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures across an index sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures down an index sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder to save to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veltrane&apos;s homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go: start or stop resizing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to select, double-click to open/view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (a folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximum width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximum height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fit inside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With both limits on: stretch pictures to exactly that size, fit them inside it, or fill it and crop the overflow from the centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never enlarge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures already inside the limits keep their own size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also apply to vertical pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eg: 600x800 will be rescaled as 800x600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manual adjustment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch/shrink the borders of preview window to set width &amp; height to resize to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/hide preview window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fixed quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 (minimum quality) to 100 (maximum quality)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file size below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The format of the resized pictures; &quot;same as source&quot; writes PNG for GIF, BMP and TIFF, and JPEG for HEIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put every picture in a frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will be added to the filename of the resized images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>don&apos;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make index sheets (contact sheets) of the pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures across a sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures down a sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>image size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>filesize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write new name here and click + to create a new preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new preset with current parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove current preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no frame)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(try all %1 frames)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO FRAMES!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, no frames installed.<byte value="xd"/>
<byte value="xd"/>
Would you like to open the folder where frames go?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder to save the resized pictures to..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid character </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filenames cannot contain the following characters:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pictures to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the marked pictures, or else the selected one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder to save the processed files to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save files in their same folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(click &quot;?&quot; again to close the help window and return to the main program)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file manager menu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG/JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Veltrane command to the context-menu of JPGs and JPEGs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP &amp;&amp; GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Veltrane&apos;s homepage!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start resizing the images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupt the process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings saved elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File manager menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file managers&apos; menu entries could not all be written:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veltrane&apos;s guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>1 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPTC left out of %1: only JPEG files carry it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only the first frame kept of 1 animated picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only the first frame kept of %1 animated pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was resized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t read the following files..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t resize the following files..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made smaller to fit the size limit..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written without some of their colours or metadata..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good to know..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t write the following files..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No frames are installed, so there are no frames to try.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the folder to save the resized pictures to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created, so no picture was resized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be saved in the folder &quot;%1&quot; (%2), so no picture was resized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 picture-indexes will be generated, trying all %2 frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures and %2 picture-indexes will be generated, trying all %3 frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t process the following files..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can only read JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF and BMP!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following files were skipped: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so this file was left out: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2 and %3 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wants pixels from 1 to 65000, &quot;screen&quot; or &quot;off&quot;, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;: no frames are installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;; installed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--max-kb wants a size in kB above 0, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--suffix cannot hold &quot;%1&quot;: file names cannot contain %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--index wants &quot;none&quot;, &quot;also&quot; or &quot;only&quot;, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--grid wants ACROSSxDOWN, each 1 to 8, such as 4x3, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output wants a folder, not an empty text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format wants %1, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wants WIDTHxHEIGHT in pixels, each 1 to 65000, such as 1024x768, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name to save this preset as.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset name cannot contain &quot;=&quot;.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset called &quot;%1&quot; already exists.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This preset already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current configuration has already been saved as preset &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset list is full: it holds %1 presets.<byte value="xd"/>
<byte value="xd"/>
Please remove a preset before adding another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this preset?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to remove preset &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved in the program folder:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
They are saved in &quot;%2&quot; instead, and read from there while that copy is the newer one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>INDEX PICTURES (make test-prints)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT THE BEST FRAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WALLPAPERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THUMBNAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT (framed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RE-SAMPLING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low-res</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web hi-res</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average PC image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi-res</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top-resolution (for digital printing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STANDARD VIDEO-SIZES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STANDARD PHOTO-SIZES (minimum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1MP Wallet-photo (2.5x3.5&quot;/6x9cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2MP Normal photo (4x6&quot;/10x15cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3MP A4/LetterPaper (8x10&quot;/20x25cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4MP Poster (9x12&quot;/23x30cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5MP Large poster (10x13&quot;/25x33cm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source> PREVIEW (%1 x %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> PREVIEW (no image selected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> PREVIEW (scale 1 : %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> PREVIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no image selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRY ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FRAMES</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEXES: background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background color of the picture indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the captions of the picture indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>italics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>metadata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep all but the location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What resized photos keep of the date, camera, exposure, copyright and place (GPS) stored in their sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep colour profiles (don&apos;t convert to sRGB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For viewers that manage colour: photos keep the profile they came with instead of being converted to sRGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>graphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>windowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(you can also doubleclick empty areas to toggle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open the guide page on exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Veltrane&apos;s guide and support page in the browser when you close the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On job complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>..and then open resized images&apos; folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full-screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
