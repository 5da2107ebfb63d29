<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;veltrane-batch --help&apos; for more information.</source>
        <translation>Use &apos;veltrane-batch --help&apos; para obter ajuda.</translation>
    </message>
    <message>
        <source>Add --yes to go ahead.</source>
        <translation>Adicione --yes para continuar.</translation>
    </message>
    <message>
        <source>Go ahead? [y/N]</source>
        <extracomment>The answer read is y or Y in every language.</extracomment>
        <translation>Continuar? [y/N]</translation>
    </message>
    <message>
        <source>no display answered, so the screen is taken as 1920x1080 (--screen WxH sets it)</source>
        <translation>nenhuma tela respondeu, então a tela é considerada como 1920x1080 (--screen WxH a define)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>cannot resize %1: %2</source>
        <translation>não foi possível redimensionar %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 ignorado: %2</translation>
    </message>
    <message>
        <source>1 picture was stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>1 imagem foi esticada fora de proporção para preencher os dois limites; --fit WxH mantém as proporções, --stretch WxH indica que o esticamento é intencional</translation>
    </message>
    <message>
        <source>%1 pictures were stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>%1 imagens foram esticadas fora de proporção para preencher os dois limites; --fit WxH mantém as proporções, --stretch WxH indica que o esticamento é intencional</translation>
    </message>
    <message>
        <source>the list could not be read to its end: %1</source>
        <translation>não foi possível ler a lista até o fim: %1</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>nenhum arquivo informado</translation>
    </message>
    <message>
        <source>  %1 pictures/s  %2:%3 left</source>
        <translation>  %1 imagens/s  faltam %2:%3</translation>
    </message>
    <message>
        <source>no preset called &quot;%1&quot; (--list-presets names them)</source>
        <translation>nenhuma predefinição chamada &quot;%1&quot; (--list-presets mostra os nomes)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would try every frame: only the first job can</source>
        <translation>&quot;%1&quot; testaria todas as molduras: só o primeiro trabalho pode</translation>
    </message>
    <message>
        <source>&quot;%1&quot; writes index sheets only: only the first job can</source>
        <translation>&quot;%1&quot; grava só folhas de índice: só o primeiro trabalho pode</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opção desconhecida: %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>unknown option: -%1</source>
        <translation>opção desconhecida: -%1</translation>
    </message>
    <message>
        <source>-%1 needs a value</source>
        <translation>-%1 precisa de um valor</translation>
    </message>
    <message>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>o valor de %1 não é UTF-8 válido</translation>
    </message>
    <message>
        <source>--screen wants WIDTHxHEIGHT, such as 1920x1080, not &quot;%1&quot;</source>
        <translation>--screen espera WIDTHxHEIGHT, como 1920x1080, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--defaults and --no-settings cannot go together</source>
        <translation>--defaults e --no-settings não podem ser usados juntos: escolha uma única forma de ler as configurações</translation>
    </message>
    <message>
        <source>--report wants a file name, or &quot;-&quot; for the standard output</source>
        <translation>--report espera um nome de arquivo para o relatório, ou &quot;-&quot; para a saída padrão</translation>
    </message>
    <message>
        <source>--jobs wants a number of threads from 1 to 256, not &quot;%1&quot;</source>
        <translation>--jobs espera um número de threads de 1 a 256, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--memory wants a number of MB from 16 to 1048576, not &quot;%1&quot;</source>
        <translation>--memory espera um número de MB de 16 a 1048576, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--completion wants &quot;bash&quot;, &quot;zsh&quot; or &quot;fish&quot;, not &quot;%1&quot;</source>
        <translation>--completion espera &quot;bash&quot;, &quot;zsh&quot; ou &quot;fish&quot;, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the report %1 cannot be written: %2</source>
        <translation>não foi possível gravar o relatório %1: %2</translation>
    </message>
    <message>
        <source>the report %1 is the list of names (--files-from); give the report another name</source>
        <translation>o relatório %1 é a lista de nomes (--files-from); dê outro nome ao relatório</translation>
    </message>
    <message>
        <source>%1 exists and is not a report of veltrane-batch, so it is left alone; give --report a new name or remove the file</source>
        <translation>%1 já existe e não é um relatório do veltrane-batch, por isso não foi alterado; dê um novo nome a --report ou remova o arquivo</translation>
    </message>
    <message>
        <source>the list %1 cannot be read: %2</source>
        <translation>não foi possível ler a lista %1: %2</translation>
    </message>
    <message>
        <source>the report is one of the sources (%1); give the report another name</source>
        <translation>o relatório é um dos arquivos de origem (%1); dê outro nome ao relatório</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pictures to resize</source>
        <translation>Imagens a redimensionar</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Remove pictures</source>
        <translation>Remover imagens</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Limpar a lista</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Adicionar predefinição</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Remover predefinição</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>Largura máxima</translation>
    </message>
    <message>
        <source>Maximum height</source>
        <translation>Altura máxima</translation>
    </message>
    <message>
        <source>How pictures meet both limits</source>
        <translation>Como as imagens atendem aos dois limites</translation>
    </message>
    <message>
        <source>Fixed quality in percent</source>
        <translation>Qualidade fixa em porcentagem</translation>
    </message>
    <message>
        <source>File size limit in kB</source>
        <translation>Limite de tamanho do arquivo em kB</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>Name extension</source>
        <translation>Sufixo do nome</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Moldura</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation>Folhas de índice</translation>
    </message>
    <message>
        <source>Pictures across an index sheet</source>
        <translation>Imagens na largura de uma folha de índice</translation>
    </message>
    <message>
        <source>Pictures down an index sheet</source>
        <translation>Imagens na altura de uma folha de índice</translation>
    </message>
    <message>
        <source>Save to folder</source>
        <translation>Salvar na pasta</translation>
    </message>
    <message>
        <source>Choose the folder to save to</source>
        <translation>Escolher a pasta de destino</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Veltrane&apos;s homepage</source>
        <translation>Site do Veltrane</translation>
    </message>
    <message>
        <source>Go: start or stop resizing</source>
        <translation>Vai: iniciar ou parar o redimensionamento</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Click to select, double-click to open/view.</source>
        <translation>Clique para selecionar, clique duas vezes para abrir/ver.</translation>
    </message>
    <message>
        <source> (a folder)</source>
        <translation> (uma pasta)</translation>
    </message>
    <message>
        <source>maximum width</source>
        <translation variants="yes">
            <lengthvariant>largura máxima</lengthvariant>
            <lengthvariant>largura máx.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>maximum height</source>
        <translation variants="yes">
            <lengthvariant>altura máxima</lengthvariant>
            <lengthvariant>altura máx.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>stretch</source>
        <translation>esticar</translation>
    </message>
    <message>
        <source>fit inside</source>
        <translation>encaixar</translation>
    </message>
    <message>
        <source>fill</source>
        <translation variants="yes">
            <lengthvariant>preencher</lengthvariant>
            <lengthvariant>ench.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>With both limits on: stretch pictures to exactly that size, fit them inside it, or fill it and crop the overflow from the centre</source>
        <translation>Com os dois limites ativos: esticar as imagens exatamente para esse tamanho, encaixá-las dentro dele ou preenchê-lo e cortar o excesso a partir do centro</translation>
    </message>
    <message>
        <source>never enlarge</source>
        <translation>nunca ampliar</translation>
    </message>
    <message>
        <source>Pictures already inside the limits keep their own size</source>
        <translation>Imagens que já estão dentro dos limites mantêm o próprio tamanho</translation>
    </message>
    <message>
        <source>also apply to vertical pictures</source>
        <translation variants="yes">
            <lengthvariant>aplicar também a imagens verticais</lengthvariant>
            <lengthvariant>também nas verticais</lengthvariant>
        </translation>
    </message>
    <message>
        <source>eg: 600x800 will be rescaled as 800x600</source>
        <translation>ex.: 600x800 será redimensionado como 800x600</translation>
    </message>
    <message>
        <source>manual adjustment</source>
        <translation>ajuste manual</translation>
    </message>
    <message>
        <source>Stretch/shrink the borders of preview window to set width &amp; height to resize to</source>
        <translation>Estique/encolha as bordas da janela de pré-visualização para definir a largura e a altura do redimensionamento</translation>
    </message>
    <message>
        <source>preview</source>
        <translation variants="yes">
            <lengthvariant>visualizar</lengthvariant>
            <lengthvariant>visual.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Show/hide preview window</source>
        <translation>Mostrar/ocultar a janela de pré-visualização</translation>
    </message>
    <message>
        <source>fixed quality</source>
        <translation>qualidade fixa</translation>
    </message>
    <message>
        <source>1 (minimum quality) to 100 (maximum quality)</source>
        <translation>1 (qualidade mínima) a 100 (qualidade máxima)</translation>
    </message>
    <message>
        <source>file size below</source>
        <translation variants="yes">
            <lengthvariant>tamanho abaixo de</lengthvariant>
            <lengthvariant>tamanho máx.</lengthvariant>
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
        <translation>igual à origem</translation>
    </message>
    <message>
        <source>The format of the resized pictures; &quot;same as source&quot; writes PNG for GIF, BMP and TIFF, and JPEG for HEIC</source>
        <translation>O formato das imagens redimensionadas; &quot;igual à origem&quot; grava PNG para GIF, BMP e TIFF, e JPEG para HEIC</translation>
    </message>
    <message>
        <source>frame</source>
        <translation variants="yes">
            <lengthvariant>moldura</lengthvariant>
            <lengthvariant>mold.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Put every picture in a frame</source>
        <translation>Colocar cada imagem em uma moldura</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Sufixo</translation>
    </message>
    <message>
        <source>This will be added to the filename of the resized images</source>
        <translation>Isto será acrescentado ao nome do arquivo das imagens redimensionadas</translation>
    </message>
    <message>
        <source>don&apos;t</source>
        <translation>não</translation>
    </message>
    <message>
        <source>also</source>
        <translation variants="yes">
            <lengthvariant>também</lengthvariant>
            <lengthvariant>tb.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>only</source>
        <translation>só</translation>
    </message>
    <message>
        <source>Make index sheets (contact sheets) of the pictures</source>
        <translation>Criar folhas de índice (folhas de contato) das imagens</translation>
    </message>
    <message>
        <source>index</source>
        <translation>índice</translation>
    </message>
    <message>
        <source>with</source>
        <translation>com</translation>
    </message>
    <message>
        <source>Pictures across a sheet</source>
        <translation>Imagens na largura da folha</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Pictures down a sheet</source>
        <translation>Imagens na altura da folha</translation>
    </message>
    <message>
        <source>names</source>
        <translation>nomes</translation>
    </message>
    <message>
        <source>image size</source>
        <translation>dimensões</translation>
    </message>
    <message>
        <source>filesize</source>
        <translation variants="yes">
            <lengthvariant>tamanho do arquivo</lengthvariant>
            <lengthvariant>tamanho</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Write new name here and click + to create a new preset</source>
        <translation>Digite um novo nome aqui e clique em + para criar uma nova predefinição</translation>
    </message>
    <message>
        <source>Create a new preset with current parameters</source>
        <translation>Criar uma nova predefinição com os parâmetros atuais</translation>
    </message>
    <message>
        <source>Remove current preset</source>
        <translation>Remover a predefinição atual</translation>
    </message>
    <message>
        <source>(no frame)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>(try all %1 frames)</source>
        <translation variants="yes">
            <lengthvariant>(testar %1 molduras)</lengthvariant>
            <lengthvariant>(%1 molduras)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>NO FRAMES!</source>
        <translation>NENHUMA MOLDURA!</translation>
    </message>
    <message>
        <source>Sorry, no frames installed.<byte value="xd"/>
<byte value="xd"/>
Would you like to open the folder where frames go?</source>
        <translation>Desculpe, não há molduras instaladas.<byte value="xd"/>
<byte value="xd"/>
Deseja abrir a pasta onde ficam as molduras?</translation>
    </message>
    <message>
        <source>Choose a folder to save the resized pictures to..</source>
        <translation>Escolha uma pasta para salvar as imagens redimensionadas..</translation>
    </message>
    <message>
        <source>Invalid character </source>
        <translation>Caractere inválido </translation>
    </message>
    <message>
        <source>Filenames cannot contain the following characters:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Nomes de arquivo não podem conter os seguintes caracteres:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation variants="yes">
            <lengthvariant>Adicionar...</lengthvariant>
            <lengthvariant>Adic.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Add pictures to the list</source>
        <translation>Adicionar imagens à lista</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove the marked pictures, or else the selected one</source>
        <translation>Remover as imagens marcadas ou, se não houver nenhuma, a selecionada</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation variants="yes">
            <lengthvariant>Limpar tudo</lengthvariant>
            <lengthvariant>Limpar</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Esvaziar a lista</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation variants="yes">
            <lengthvariant>Salvar em</lengthvariant>
            <lengthvariant>Destino</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Folder to save the processed files to</source>
        <translation>Pasta onde salvar os arquivos processados</translation>
    </message>
    <message>
        <source>Browse for folder</source>
        <translation>Procurar pasta</translation>
    </message>
    <message>
        <source>same folder</source>
        <translation>mesma pasta</translation>
    </message>
    <message>
        <source>Save files in their same folder</source>
        <translation>Salvar os arquivos na mesma pasta dos originais</translation>
    </message>
    <message>
        <source>(click &quot;?&quot; again to close the help window and return to the main program)</source>
        <translation>(clique em &quot;?&quot; de novo para fechar a ajuda e voltar ao programa principal)</translation>
    </message>
    <message>
        <source>file manager menu:</source>
        <translation variants="yes">
            <lengthvariant>menu do gerenciador de arquivos:</lengthvariant>
            <lengthvariant>menu gerenc. arq.:</lengthvariant>
        </translation>
    </message>
    <message>
        <source>JPG/JPEG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Add Veltrane command to the context-menu of JPGs and JPEGs</source>
        <translation>Adicionar o comando do Veltrane ao menu de contexto dos arquivos JPG e JPEG</translation>
    </message>
    <message>
        <source>BMP &amp;&amp; GIF</source>
        <translation>BMP &amp;&amp; GIF</translation>
    </message>
    <message>
        <source>Toggle help</source>
        <translation>Mostrar/ocultar a ajuda</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Configurações avançadas</translation>
    </message>
    <message>
        <source>Go to Veltrane&apos;s homepage!</source>
        <translation>Visite o site do Veltrane!</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Minimize window</source>
        <translation>Minimizar a janela</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation>VAI!</translation>
    </message>
    <message>
        <source>Start resizing the images</source>
        <translation>Começar a redimensionar as imagens</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>Interrupt the process.</source>
        <translation>Interromper o processo.</translation>
    </message>
    <message>
        <source>Settings saved elsewhere</source>
        <translation>Configurações salvas em outro lugar</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Configurações não salvas</translation>
    </message>
    <message>
        <source>The settings could not be saved:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Não foi possível salvar as configurações:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>File manager menu</source>
        <translation>Menu do gerenciador de arquivos</translation>
    </message>
    <message>
        <source>The file managers&apos; menu entries could not all be written:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Nem todos os itens de menu dos gerenciadores de arquivos puderam ser gravados:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Veltrane&apos;s guide</source>
        <translation>Guia do Veltrane</translation>
    </message>
    <message>
        <source> needs a folder</source>
        <translation> precisa de uma pasta</translation>
    </message>
    <message>
        <source>unknown option </source>
        <translation>opção desconhecida </translation>
    </message>
    <message>
        <source>Resizing stopped</source>
        <translation>Redimensionamento interrompido</translation>
    </message>
    <message>
        <source>Resizing done</source>
        <translation>Redimensionamento concluído</translation>
    </message>
    <message>
        <source>1 picture written</source>
        <translation>1 imagem gravada</translation>
    </message>
    <message>
        <source>%1 pictures written</source>
        <translation>%1 imagens gravadas</translation>
    </message>
    <message>
        <source>1 failed</source>
        <translation>1 com falha</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 com falha</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>1 picture</source>
        <translation>1 imagem</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 imagens</translation>
    </message>
    <message>
        <source>IPTC left out of %1: only JPEG files carry it</source>
        <translation>IPTC omitido em %1: só arquivos JPEG o comportam</translation>
    </message>
    <message>
        <source>only the first frame kept of 1 animated picture</source>
        <translation>mantido só o primeiro quadro de 1 imagem animada</translation>
    </message>
    <message>
        <source>only the first frame kept of %1 animated pictures</source>
        <translation>mantido só o primeiro quadro de %1 imagens animadas</translation>
    </message>
    <message>
        <source>Nothing was resized</source>
        <translation>Nada foi redimensionado</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the following files..</source>
        <translation>Não foi possível ler os seguintes arquivos..</translation>
    </message>
    <message>
        <source>Couldn&apos;t resize the following files..</source>
        <translation>Não foi possível redimensionar os seguintes arquivos..</translation>
    </message>
    <message>
        <source>Made smaller to fit the size limit..</source>
        <translation>Reduzidos para caber no limite de tamanho..</translation>
    </message>
    <message>
        <source>Written without some of their colours or metadata..</source>
        <translation>Gravados sem algumas de suas cores ou metadados..</translation>
    </message>
    <message>
        <source>Good to know..</source>
        <translation>Bom saber..</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the following files..</source>
        <translation>Não foi possível gravar os seguintes arquivos..</translation>
    </message>
    <message>
        <source>No frames are installed, so there are no frames to try.</source>
        <translation>Não há molduras instaladas, então não há molduras para testar.</translation>
    </message>
    <message>
        <source>Please choose the folder to save the resized pictures to.</source>
        <translation>Escolha a pasta onde salvar as imagens redimensionadas.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created, so no picture was resized.</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot;, então nenhuma imagem foi redimensionada.</translation>
    </message>
    <message>
        <source>Nothing can be saved in the folder &quot;%1&quot; (%2), so no picture was resized.</source>
        <translation>Nada pode ser salvo na pasta &quot;%1&quot; (%2), então nenhuma imagem foi redimensionada.</translation>
    </message>
    <message>
        <source>%1 picture-indexes will be generated, trying all %2 frames.</source>
        <translation>Isto vai gerar %1 índices de imagens, testando todas as %2 molduras.</translation>
    </message>
    <message>
        <source>%1 pictures and %2 picture-indexes will be generated, trying all %3 frames.</source>
        <translation>Isto vai gerar %1 imagens e %2 índices de imagens, testando todas as %3 molduras.</translation>
    </message>
    <message>
        <source>Are you sure to proceed?</source>
        <translation>Deseja mesmo continuar?</translation>
    </message>
    <message>
        <source>Couldn&apos;t process the following files..</source>
        <translation>Não foi possível processar os seguintes arquivos..</translation>
    </message>
    <message>
        <source>Can only read JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF and BMP!</source>
        <translation>Só é possível ler JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF e BMP!</translation>
    </message>
    <message>
        <source>The following files were skipped: </source>
        <translation>Os seguintes arquivos foram ignorados: </translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so this file was left out: %2.</source>
        <translation>A lista comporta no máximo %1 arquivos, então este arquivo ficou de fora: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2.</source>
        <translation>A lista comporta no máximo %1 arquivos, então estes arquivos ficaram de fora: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2 and %3 more.</source>
        <translation>A lista comporta no máximo %1 arquivos, então estes arquivos ficaram de fora: %2 e mais %3.</translation>
    </message>
    <message>
        <source>The list is full</source>
        <translation>A lista está cheia</translation>
    </message>
    <message>
        <source>Images (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</source>
        <translation>Imagens (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</translation>
    </message>
    <message>
        <source>%1 wants pixels from 1 to 65000, &quot;screen&quot; or &quot;off&quot;, not &quot;%2&quot;</source>
        <translation>%1 espera pixels de 1 a 65000, &quot;screen&quot; ou &quot;off&quot;, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;: no frames are installed</source>
        <translation>nenhuma moldura chamada &quot;%1&quot;: não há molduras instaladas</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;; installed: %2</source>
        <translation>nenhuma moldura chamada &quot;%1&quot;; instaladas: %2</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--quality espera uma qualidade de 1 a 100, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--max-kb wants a size in kB above 0, not &quot;%1&quot;</source>
        <translation>--max-kb espera um tamanho em kB acima de 0, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--suffix cannot hold &quot;%1&quot;: file names cannot contain %2</source>
        <translation>--suffix não aceita &quot;%1&quot; como sufixo: nomes de arquivo não podem conter %2</translation>
    </message>
    <message>
        <source>--index wants &quot;none&quot;, &quot;also&quot; or &quot;only&quot;, not &quot;%1&quot;</source>
        <translation>--index espera &quot;none&quot;, &quot;also&quot; ou &quot;only&quot;, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--grid wants ACROSSxDOWN, each 1 to 8, such as 4x3, not &quot;%1&quot;</source>
        <translation>--grid espera ACROSSxDOWN, cada um de 1 a 8, como 4x3, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--output wants a folder, not an empty text</source>
        <translation>--output espera uma pasta, não um texto vazio</translation>
    </message>
    <message>
        <source>--format wants %1, not &quot;%2&quot;</source>
        <translation>--format espera %1 como formato, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 wants WIDTHxHEIGHT in pixels, each 1 to 65000, such as 1024x768, not &quot;%2&quot;</source>
        <translation>%1 espera WIDTHxHEIGHT em pixels, cada um de 1 a 65000, como 1024x768, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Adicionar predefinição</translation>
    </message>
    <message>
        <source>Please enter a name to save this preset as.</source>
        <translation>Digite um nome para salvar esta predefinição.</translation>
    </message>
    <message>
        <source>A preset name cannot contain &quot;=&quot;.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>O nome de uma predefinição não pode conter &quot;=&quot;.<byte value="xd"/>
<byte value="xd"/>
Digite outro nome para salvar esta predefinição.</translation>
    </message>
    <message>
        <source>A preset called &quot;%1&quot; already exists.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>Já existe uma predefinição chamada &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Digite outro nome para salvar esta predefinição.</translation>
    </message>
    <message>
        <source>This preset already exists.</source>
        <translation>Esta predefinição já existe.</translation>
    </message>
    <message>
        <source>The current configuration has already been saved as preset &quot;%1&quot;.</source>
        <translation>A configuração atual já foi salva como a predefinição &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The preset list is full: it holds %1 presets.<byte value="xd"/>
<byte value="xd"/>
Please remove a preset before adding another.</source>
        <translation>A lista de predefinições está cheia: ela tem %1 predefinições.<byte value="xd"/>
<byte value="xd"/>
Remova uma predefinição antes de adicionar outra.</translation>
    </message>
    <message>
        <source>Remove this preset?</source>
        <translation>Remover esta predefinição?</translation>
    </message>
    <message>
        <source>Are you sure to remove preset &quot;%1&quot;?</source>
        <translation>Deseja mesmo remover a predefinição &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The settings could not be saved in the program folder:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
They are saved in &quot;%2&quot; instead, and read from there while that copy is the newer one.</source>
        <translation>Não foi possível salvar as configurações na pasta do programa:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Elas foram salvas em &quot;%2&quot; e serão lidas de lá enquanto essa cópia for a mais recente.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>INDEX PICTURES (make test-prints)</source>
        <translation>ÍNDICE DE IMAGENS (provas de impressão)</translation>
    </message>
    <message>
        <source>SELECT THE BEST FRAME</source>
        <translation>ESCOLHA A MELHOR MOLDURA</translation>
    </message>
    <message>
        <source>WALLPAPERS</source>
        <translation>PAPÉIS DE PAREDE</translation>
    </message>
    <message>
        <source>THUMBNAILS</source>
        <translation>MINIATURAS</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT</source>
        <translation>ANEXO DE E-MAIL</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT (framed)</source>
        <translation>ANEXO DE E-MAIL (com moldura)</translation>
    </message>
    <message>
        <source>RE-SAMPLING</source>
        <translation>REAMOSTRAGEM</translation>
    </message>
    <message>
        <source>Low-res</source>
        <translation>Baixa resolução</translation>
    </message>
    <message>
        <source>Web pictures</source>
        <translation>Imagens para a web</translation>
    </message>
    <message>
        <source>Web hi-res</source>
        <translation>Web em alta resolução</translation>
    </message>
    <message>
        <source>Average PC image</source>
        <translation>Imagem média para PC</translation>
    </message>
    <message>
        <source>Hi-res</source>
        <translation>Alta resolução</translation>
    </message>
    <message>
        <source>Top-resolution (for digital printing)</source>
        <translation>Resolução máxima (para impressão digital)</translation>
    </message>
    <message>
        <source>STANDARD VIDEO-SIZES</source>
        <translation>TAMANHOS PADRÃO DE VÍDEO</translation>
    </message>
    <message>
        <source>STANDARD PHOTO-SIZES (minimum)</source>
        <translation>TAMANHOS PADRÃO DE FOTO (mínimo)</translation>
    </message>
    <message>
        <source>1MP Wallet-photo (2.5x3.5&quot;/6x9cm)</source>
        <translation>1MP Foto de carteira (2.5x3.5&quot;/6x9cm)</translation>
    </message>
    <message>
        <source>2MP Normal photo (4x6&quot;/10x15cm)</source>
        <translation>2MP Foto normal (4x6&quot;/10x15cm)</translation>
    </message>
    <message>
        <source>3MP A4/LetterPaper (8x10&quot;/20x25cm)</source>
        <translation>3MP A4/Papel carta (8x10&quot;/20x25cm)</translation>
    </message>
    <message>
        <source>4MP Poster (9x12&quot;/23x30cm)</source>
        <translation>4MP Pôster (9x12&quot;/23x30cm)</translation>
    </message>
    <message>
        <source>5MP Large poster (10x13&quot;/25x33cm)</source>
        <translation>5MP Pôster grande (10x13&quot;/25x33cm)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source> PREVIEW (%1 x %2)</source>
        <translation> PRÉ-VISUALIZAÇÃO (%1 x %2)</translation>
    </message>
    <message>
        <source> PREVIEW (no image selected)</source>
        <translation> PRÉ-VISUALIZAÇÃO (nenhuma imagem selecionada)</translation>
    </message>
    <message>
        <source> PREVIEW (scale 1 : %1)</source>
        <translation> PRÉ-VISUALIZAÇÃO (escala 1 : %1)</translation>
    </message>
    <message>
        <source> PREVIEW</source>
        <translation> PRÉ-VISUALIZAÇÃO</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>no image selected</source>
        <translation>nenhuma imagem selecionada</translation>
    </message>
    <message>
        <source>TRY ALL</source>
        <translation>TESTAR TODAS</translation>
    </message>
    <message>
        <source> FRAMES</source>
        <translation> MOLDURAS</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>SETTINGS</source>
        <translation>CONFIGURAÇÕES</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation variants="yes">
            <lengthvariant>Folhas de índice</lengthvariant>
            <lengthvariant>Índices</lengthvariant>
        </translation>
    </message>
    <message>
        <source>INDEXES: background color</source>
        <translation>ÍNDICES: cor de fundo</translation>
    </message>
    <message>
        <source>Background color of the picture indexes</source>
        <translation>Cor de fundo dos índices de imagens</translation>
    </message>
    <message>
        <source>text color</source>
        <translation>cor do texto</translation>
    </message>
    <message>
        <source>Colour of the captions of the picture indexes</source>
        <translation>Cor das legendas dos índices de imagens</translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation>Cor das linhas de legenda</translation>
    </message>
    <message>
        <source>font size</source>
        <translation variants="yes">
            <lengthvariant>tamanho da fonte</lengthvariant>
            <lengthvariant>tamanho</lengthvariant>
        </translation>
    </message>
    <message>
        <source>bold</source>
        <translation variants="yes">
            <lengthvariant>negrito</lengthvariant>
            <lengthvariant>neg.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>italics</source>
        <translation>itálico</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>metadata</source>
        <translation>metadados</translation>
    </message>
    <message>
        <source>keep all but the location</source>
        <translation variants="yes">
            <lengthvariant>manter tudo menos a localização</lengthvariant>
            <lengthvariant>tudo menos o local</lengthvariant>
        </translation>
    </message>
    <message>
        <source>keep all</source>
        <translation variants="yes">
            <lengthvariant>manter tudo</lengthvariant>
            <lengthvariant>tudo</lengthvariant>
        </translation>
    </message>
    <message>
        <source>remove all</source>
        <translation>remover tudo</translation>
    </message>
    <message>
        <source>What resized photos keep of the date, camera, exposure, copyright and place (GPS) stored in their sources</source>
        <translation>O que as fotos redimensionadas mantêm de data, câmera, exposição, direitos autorais e local (GPS) gravados nos originais</translation>
    </message>
    <message>
        <source>keep colour profiles (don&apos;t convert to sRGB)</source>
        <translation>manter perfis de cor (não converter para sRGB)</translation>
    </message>
    <message>
        <source>For viewers that manage colour: photos keep the profile they came with instead of being converted to sRGB</source>
        <translation>Para visualizadores com gerenciamento de cores: as fotos mantêm o perfil de cor original em vez de serem convertidas para sRGB</translation>
    </message>
    <message>
        <source>Interface style</source>
        <translation variants="yes">
            <lengthvariant>Estilo da interface</lengthvariant>
            <lengthvariant>Interface</lengthvariant>
        </translation>
    </message>
    <message>
        <source>graphic</source>
        <translation>gráfico</translation>
    </message>
    <message>
        <source>windowed</source>
        <translation>em janela</translation>
    </message>
    <message>
        <source>(you can also doubleclick empty areas to toggle)</source>
        <translation variants="yes">
            <lengthvariant>(você também pode clicar duas vezes em áreas vazias para alternar)</lengthvariant>
            <lengthvariant>(ou clique duas vezes numa área vazia)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>open the guide page on exit</source>
        <translation>abrir a página do guia ao sair</translation>
    </message>
    <message>
        <source>Open Veltrane&apos;s guide and support page in the browser when you close the program</source>
        <translation>Abrir a página de guia e suporte do Veltrane no navegador ao fechar o programa</translation>
    </message>
    <message>
        <source>On job complete</source>
        <translation variants="yes">
            <lengthvariant>Ao concluir o trabalho</lengthvariant>
            <lengthvariant>Ao concluir</lengthvariant>
        </translation>
    </message>
    <message>
        <source>..and then open resized images&apos; folder</source>
        <translation variants="yes">
            <lengthvariant>..e então abrir a pasta das imagens redimensionadas</lengthvariant>
            <lengthvariant>..e abrir a pasta das imagens</lengthvariant>
        </translation>
    </message>
    <message>
        <source>full-screen</source>
        <translation>em tela cheia</translation>
    </message>
    <message>
        <source>exit program</source>
        <translation variants="yes">
            <lengthvariant>sair do programa</lengthvariant>
            <lengthvariant>sair</lengthvariant>
        </translation>
    </message>
</context>
</TS>
