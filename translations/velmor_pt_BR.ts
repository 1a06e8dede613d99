<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>velmor</name>
    <message>
        <location filename="../src/base/Midi.cpp" line="71"/>
        <location filename="../src/base/Midi.cpp" line="76"/>
        <location filename="../src/base/Midi.cpp" line="115"/>
        <source>a track ends in the middle of an event</source>
        <translation>uma trilha termina no meio de um evento</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="83"/>
        <source>a track has a data byte where an event should start</source>
        <translation>uma trilha tem um byte de dados onde deveria começar um evento</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="100"/>
        <source>a track holds a system message that has no place in a file</source>
        <translation>uma trilha contém uma mensagem de sistema que não pode aparecer em um arquivo</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="147"/>
        <source>not a MIDI file</source>
        <translation>não é um arquivo MIDI</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="151"/>
        <source>its header is cut short</source>
        <translation>o cabeçalho está incompleto</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="155"/>
        <source>MIDI format %1 is not one of 0, 1 and 2</source>
        <translation>o formato MIDI %1 não é 0, 1 nem 2</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="159"/>
        <source>it has no track</source>
        <translation>não tem nenhuma trilha</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="171"/>
        <source>its time division is zero</source>
        <translation>a divisão de tempo é zero</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="177"/>
        <source>it has %1 of its %2 tracks</source>
        <translation>tem só %1 das suas %2 trilhas</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="181"/>
        <source>a track runs past the end of the file</source>
        <translation>uma trilha passa do fim do arquivo</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Crak %1</source>
        <translation>Caractere %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Bamboo %1</source>
        <translation>Bambu %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Dot %1</source>
        <translation>Círculo %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Plum</source>
        <translation>Flor: Ameixa</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Orchid</source>
        <translation>Flor: Orquídea</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Chrysanthemum</source>
        <translation>Flor: Crisântemo</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Bamboo</source>
        <translation>Flor: Bambu</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Spring</source>
        <translation>Estação: Primavera</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Summer</source>
        <translation>Estação: Verão</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Autumn</source>
        <translation>Estação: Outono</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Winter</source>
        <translation>Estação: Inverno</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Red Dragon</source>
        <translation>Dragão Vermelho</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Green Dragon</source>
        <translation>Dragão Verde</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>White Dragon</source>
        <translation>Dragão Branco</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>East Wind</source>
        <translation>Vento Leste</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>South Wind</source>
        <translation>Vento Sul</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>West Wind</source>
        <translation>Vento Oeste</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="18"/>
        <source>North Wind</source>
        <translation>Vento Norte</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="21"/>
        <source>blocked</source>
        <translation>bloqueada</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="22"/>
        <source>free</source>
        <translation>livre</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="23"/>
        <source>blocked, picked</source>
        <translation>bloqueada, selecionada</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="24"/>
        <source>free, picked</source>
        <translation>livre, selecionada</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="25"/>
        <source>blocked, hinted</source>
        <translation>bloqueada, indicada pela dica</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="26"/>
        <source>free, hinted</source>
        <translation>livre, indicada pela dica</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="27"/>
        <source>blocked, picked, hinted</source>
        <translation>bloqueada, selecionada, indicada pela dica</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="28"/>
        <source>free, picked, hinted</source>
        <translation>livre, selecionada, indicada pela dica</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="29"/>
        <source>%1, layer %2, row %3, column %4</source>
        <translation>%1, camada %2, linha %3, coluna %4</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="51"/>
        <source>the JPEG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>a imagem JPEG é grande demais (%1 x %2, no máximo %3 por lado)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="58"/>
        <location filename="../src/display/Jpeg.cpp" line="237"/>
        <source>not a JPEG picture</source>
        <translation>não é uma imagem JPEG</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="61"/>
        <location filename="../src/display/Jpeg.cpp" line="89"/>
        <location filename="../src/display/Jpeg.cpp" line="136"/>
        <location filename="../src/display/Jpeg.cpp" line="156"/>
        <source>the JPEG picture is truncated</source>
        <translation>a imagem JPEG está truncada</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="63"/>
        <location filename="../src/display/Jpeg.cpp" line="185"/>
        <source>the JPEG picture has no pixels</source>
        <translation>a imagem JPEG não tem pixels</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="67"/>
        <location filename="../src/display/Jpeg.cpp" line="216"/>
        <source>not enough memory to decode the JPEG picture</source>
        <translation>memória insuficiente para decodificar a imagem JPEG</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="71"/>
        <source>cannot decode the JPEG picture: %1</source>
        <translation>não é possível decodificar a imagem JPEG: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="93"/>
        <source>the JPEG picture is damaged: %1</source>
        <translation>a imagem JPEG está danificada: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="102"/>
        <source>the JPEG picture has too many scans</source>
        <translation>a imagem JPEG tem varreduras demais</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="203"/>
        <source>the JPEG picture has an unsupported colour layout (%1 components)</source>
        <translation>a imagem JPEG tem uma organização de cores não suportada (%1 componentes)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="233"/>
        <source>the JPEG data is empty</source>
        <translation>os dados JPEG estão vazios</translation>
    </message>
    <message>
        <location filename="../src/display/Picture.cpp" line="176"/>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="50"/>
        <source>the PNG header is damaged</source>
        <translation>o cabeçalho PNG está danificado</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="58"/>
        <source>the PNG picture has no pixels</source>
        <translation>a imagem PNG não tem pixels</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="63"/>
        <source>the PNG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>a imagem PNG é grande demais (%1 x %2, no máximo %3 por lado)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="85"/>
        <source>the PNG picture has an unknown colour type</source>
        <translation>a imagem PNG tem um tipo de cor desconhecido</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="89"/>
        <source>the PNG picture has a bit depth its colour type does not allow</source>
        <translation>a imagem PNG tem uma profundidade de bits que o seu tipo de cor não permite</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="93"/>
        <source>the PNG picture uses an unknown compression or filter method</source>
        <translation>a imagem PNG usa um método de compressão ou de filtragem desconhecido</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="97"/>
        <source>interlaced PNG pictures cannot be read; save the picture without interlacing</source>
        <translation>imagens PNG entrelaçadas não podem ser lidas; salve a imagem sem entrelaçamento</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="101"/>
        <source>the PNG picture uses an unknown interlace method</source>
        <translation>a imagem PNG usa um método de entrelaçamento desconhecido</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="181"/>
        <source>not enough memory to decode the PNG picture</source>
        <translation>memória insuficiente para decodificar a imagem PNG</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="195"/>
        <location filename="../src/display/Png.cpp" line="207"/>
        <location filename="../src/display/Png.cpp" line="251"/>
        <location filename="../src/display/Png.cpp" line="261"/>
        <location filename="../src/display/Png.cpp" line="308"/>
        <source>the PNG picture is truncated</source>
        <translation>a imagem PNG está truncada</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="211"/>
        <source>the PNG picture data is damaged</source>
        <translation>os dados da imagem PNG estão danificados</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="238"/>
        <source>not a PNG picture</source>
        <translation>não é uma imagem PNG</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="257"/>
        <source>the PNG picture is damaged</source>
        <translation>a imagem PNG está danificada</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="267"/>
        <source>the PNG picture is damaged (a checksum does not match)</source>
        <translation>a imagem PNG está danificada (uma soma de verificação não confere)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="273"/>
        <source>the PNG picture has no header</source>
        <translation>a imagem PNG não tem cabeçalho</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="278"/>
        <source>the PNG picture has two headers</source>
        <translation>a imagem PNG tem dois cabeçalhos</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="285"/>
        <source>the PNG palette is damaged</source>
        <translation>a paleta PNG está danificada</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="297"/>
        <source>the PNG picture uses a feature that cannot be read (%1)</source>
        <translation>a imagem PNG usa um recurso que não pode ser lido (%1)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="302"/>
        <source>the PNG picture has no palette</source>
        <translation>a imagem PNG não tem paleta</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="323"/>
        <source>the PNG picture data is damaged (an unknown row filter)</source>
        <translation>os dados da imagem PNG estão danificados (um filtro de linha desconhecido)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="344"/>
        <source>the PNG picture uses a colour its palette does not have</source>
        <translation>a imagem PNG usa uma cor que a sua paleta não tem</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="13"/>
        <source>it has %1 tiles; a heap needs exactly %2</source>
        <translation>tem %1 peças; uma pilha precisa de exatamente %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="23"/>
        <source>a tile lies below the bottom layer (layer %1)</source>
        <translation>uma peça fica abaixo da camada inferior (camada %1)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="27"/>
        <source>it has %1 layers; the board holds %2</source>
        <translation>tem %1 camadas; o tabuleiro comporta %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="33"/>
        <source>it is %1 half tiles wide; the board holds %2</source>
        <translation>tem %1 meias peças de largura; o tabuleiro comporta %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="37"/>
        <source>it is %1 half tiles high; the board holds %2</source>
        <translation>tem %1 meias peças de altura; o tabuleiro comporta %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="51"/>
        <source>two tiles overlap on layer %1</source>
        <translation>duas peças se sobrepõem na camada %1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="44"/>
        <source>it is a KMahjongg layout of a version other than 1.0 and 1.1</source>
        <translation>é um layout do KMahjongg de uma versão diferente de 1.0 e 1.1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="45"/>
        <source>it is not a KMahjongg layout: its first line is not &quot;kmahjongg-layout-v1.0&quot; or &quot;-v1.1&quot;</source>
        <translation>não é um layout do KMahjongg: a primeira linha não é &quot;kmahjongg-layout-v1.0&quot; nem &quot;-v1.1&quot;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="58"/>
        <source>its size line &quot;%1&quot; holds no size from 1 to 9999999</source>
        <translation>a linha de tamanho &quot;%1&quot; não traz nenhum tamanho de 1 a 9999999</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="66"/>
        <source>it does not give its width, height and depth</source>
        <translation>não informa a largura, a altura e a profundidade</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="72"/>
        <source>its tile map has %1 cells instead of %2 x %3 x %4</source>
        <translation>o mapa de peças tem %1 células em vez de %2 x %3 x %4</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="101"/>
        <source>the file ends inside a comment</source>
        <translation>o arquivo termina dentro de um comentário</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="103"/>
        <source>the file ends inside a CDATA section</source>
        <translation>o arquivo termina dentro de uma seção CDATA</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="105"/>
        <source>the file ends inside an XML declaration</source>
        <translation>o arquivo termina dentro de uma declaração XML</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="131"/>
        <source>the file ends inside a declaration</source>
        <translation>o arquivo termina dentro de uma declaração</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="161"/>
        <source>the file ends inside the tag &lt;%1&gt;</source>
        <translation>o arquivo termina dentro da tag &lt;%1&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="172"/>
        <source>the tag &lt;%1&gt; is never closed</source>
        <translation>a tag &lt;%1&gt; nunca é fechada</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="186"/>
        <source>the file ends inside the value of &quot;%1&quot;</source>
        <translation>o arquivo termina dentro do valor de &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="264"/>
        <source>a &lt;%1&gt; has %2=&quot;%3&quot;, which is not a coordinate</source>
        <translation>um &lt;%1&gt; tem %2=&quot;%3&quot;, que não é uma coordenada</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="352"/>
        <source>the file ends inside this map</source>
        <translation>o arquivo termina dentro deste mapa</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="355"/>
        <source>it is not a GNOME Mahjongg map file: it holds no &lt;map&gt;</source>
        <translation>não é um arquivo de mapa do GNOME Mahjongg: não contém nenhum &lt;map&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="91"/>
        <source>it is neither a KMahjongg layout nor a GNOME Mahjongg map</source>
        <translation>não é um layout do KMahjongg nem um mapa do GNOME Mahjongg</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="97"/>
        <source>&quot;%1&quot; is too large to be a layout (%2 bytes)</source>
        <translation>&quot;%1&quot; é grande demais para ser um layout (%2 bytes)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="103"/>
        <source>&quot;%1&quot; is too large to be a layout</source>
        <translation>&quot;%1&quot; é grande demais para ser um layout</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="107"/>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <translation>não é possível importar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="135"/>
        <source>&quot;%1&quot; was not imported: %2</source>
        <translation>&quot;%1&quot; não foi importado: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="40"/>
        <source>the tile map holds %1 cells instead of %2</source>
        <translation>o mapa de peças tem %1 células em vez de %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="45"/>
        <source>the tile map holds a character other than 0 or 1 at position %1</source>
        <translation>o mapa de peças tem um caractere diferente de 0 e 1 na posição %1</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="63"/>
        <source>it has %1 lines; 144 are needed</source>
        <translation>tem %1 linhas; são necessárias 144</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="70"/>
        <source>line %1 is shorter than 9 characters</source>
        <translation>a linha %1 tem menos de 9 caracteres</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="75"/>
        <source>line %1 has &quot;%2&quot; where hexadecimal coordinates belong</source>
        <translation>a linha %1 tem &quot;%2&quot; onde deveriam estar coordenadas hexadecimais</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="82"/>
        <source>line %1 places a tile outside the board (x %2, y %3, z %4)</source>
        <translation>a linha %1 põe uma peça fora do tabuleiro (x %2, y %3, z %4)</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="117"/>
        <source>The layout could not be loaded: %1.</source>
        <translation>Não foi possível carregar o layout: %1.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="118"/>
        <source>The layout &quot;%1&quot; is an empty file.</source>
        <translation>O layout &quot;%1&quot; é um arquivo vazio.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="124"/>
        <source>&quot;%1&quot; is not a layout file.</source>
        <translation>&quot;%1&quot; não é um arquivo de layout.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="127"/>
        <source>The layout &quot;%1&quot; is damaged: %2.</source>
        <translation>O layout &quot;%1&quot; está danificado: %2.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="133"/>
        <source>&quot;%1&quot; is not a layout file: its first line is not &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; não é um arquivo de layout: a primeira linha não é &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="140"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds no tile.</source>
        <translation>O layout &quot;%1&quot; não pode ser jogado: não tem nenhuma peça.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="141"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds %2 tiles, and a deal needs an even number of tiles from 2 to 144.</source>
        <translation>O layout &quot;%1&quot; não pode ser jogado: tem %2 peças, e uma distribuição precisa de um número par de peças, de 2 a 144.</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="122"/>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>&quot;%1&quot; é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="127"/>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>não é possível abrir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="133"/>
        <source>cannot read &quot;%1&quot;</source>
        <translation>não é possível ler &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="154"/>
        <location filename="../src/base/Files.cpp" line="164"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>não é possível gravar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="168"/>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>não é possível substituir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutInPlay.h" line="13"/>
        <location filename="../src/shell/Startup.cpp" line="112"/>
        <source>External Layout</source>
        <translation>Layout externo</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="130"/>
        <source>tile %1 is on the board of a game of %2</source>
        <translation>a peça %1 está no tabuleiro de um jogo de %2 peças</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="134"/>
        <source>the board holds %1 tiles instead of %2</source>
        <translation>o tabuleiro tem %1 peças em vez de %2</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="141"/>
        <source>history entry %1 is wrong</source>
        <translation>o item %1 do histórico está errado</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="142"/>
        <source>tile %1 is taken twice</source>
        <translation>a peça %1 é retirada duas vezes</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="145"/>
        <source>the history pairs tile %1 with tile %2, which do not match</source>
        <translation>o histórico junta a peça %1 com a peça %2, que não formam par</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="150"/>
        <source>tile %1 was taken back but does not stand where it was taken from</source>
        <translation>a peça %1 foi devolvida, mas não está no lugar de onde foi retirada</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="153"/>
        <source>tile %1 was taken but is still on the board</source>
        <translation>a peça %1 foi retirada, mas ainda está no tabuleiro</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="155"/>
        <source>tile %1 was taken from a place that is not free</source>
        <translation>a peça %1 foi retirada de um lugar que não está livre</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="160"/>
        <source>a game for one player has the clocks of two</source>
        <translation>um jogo para um jogador tem os relógios de dois</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="175"/>
        <source>the flat game has a layout number</source>
        <translation>o jogo plano tem um número de layout</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="176"/>
        <source>a flat game of %1 tiles holds %2</source>
        <translation>um jogo plano de %1 peças tem %2</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="181"/>
        <source>tile %1 is not part of this flat game</source>
        <translation>a peça %1 não faz parte deste jogo plano</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="185"/>
        <source>a layout game has the number of a flat game</source>
        <translation>um jogo em layout tem o número de um jogo plano</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="187"/>
        <source>the layout has %1 places but the game holds %2 tiles</source>
        <translation>o layout tem %1 posições, mas o jogo tem %2 peças</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="190"/>
        <source>tile %1 stands outside the layout</source>
        <translation>a peça %1 está fora do layout</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="250"/>
        <source>it was saved by another version of the game</source>
        <translation>foi salvo por outra versão do jogo</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="251"/>
        <location filename="../src/shell/SavedGameFile.cpp" line="22"/>
        <source>it is not a saved game</source>
        <translation>não é um jogo salvo</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="253"/>
        <location filename="../src/modes/SavedGameText.cpp" line="257"/>
        <source>it is cut short</source>
        <translation>está incompleto</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="260"/>
        <source>its checksum line is damaged</source>
        <translation>a linha da soma de verificação está danificada</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="262"/>
        <source>it is damaged: its checksum does not match its contents</source>
        <translation>está danificado: a soma de verificação não confere com o conteúdo</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="273"/>
        <source>it holds a line it should not: &quot;%1&quot;</source>
        <translation>contém uma linha que não deveria ter: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="274"/>
        <source>it holds &quot;%1&quot; twice</source>
        <translation>contém &quot;%1&quot; duas vezes</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="277"/>
        <source>its line &quot;%1&quot; is missing</source>
        <translation>falta a linha &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="280"/>
        <source>its line &quot;%1&quot; holds &quot;%2&quot;, which is out of range or unreadable</source>
        <translation>a linha &quot;%1&quot; contém &quot;%2&quot;, que está fora do intervalo ou é ilegível</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="318"/>
        <source>tile %1 and tile %2 share a place</source>
        <translation>a peça %1 e a peça %2 ocupam o mesmo lugar</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="354"/>
        <source>it does not add up: %1</source>
        <translation>não é coerente: %1</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="68"/>
        <location filename="../src/shell/Help.cpp" line="33"/>
        <source>Voverizo Dadazu (Easy)</source>
        <translation>Voverizo Dadazu (Fácil)</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="70"/>
        <location filename="../src/shell/Help.cpp" line="34"/>
        <source>Voverizo Dadazu (Hard)</source>
        <translation>Voverizo Dadazu (Difícil)</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tile left</source>
        <translation>%1 peça restante</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tiles left</source>
        <translation>%1 peças restantes</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="167"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="140"/>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="175"/>
        <location filename="../src/platform/HelpWindow.cpp" line="184"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="141"/>
        <location filename="../src/shell/GameMenus.cpp" line="97"/>
        <location filename="../src/shell/GameMenus.h" line="127"/>
        <source>Hall of Fame</source>
        <translation>Hall da Fama</translation>
    </message>
    <message>
        <location filename="../src/platform/DeadEndPanel.cpp" line="19"/>
        <location filename="../src/platform/DeadEndPanel.cpp" line="39"/>
        <source>No more moves</source>
        <translation>Não há mais jogadas</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="62"/>
        <source>Mah-Jongg solitaire and Voverizo Dadazu for the Linux desktop.</source>
        <translation>Paciência Mah-Jongg e Voverizo Dadazu para o desktop Linux.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="63"/>
        <source>Tiles, backgrounds, layouts, tunes and sounds were made for this game by its own generators.</source>
        <translation>Peças, fundos, layouts, músicas e sons foram criados para este jogo pelos seus próprios geradores.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="66"/>
        <source>Thanks to everyone who played the earlier versions and sent ideas and layouts.</source>
        <translation>Obrigado a todos que jogaram as versões anteriores e enviaram ideias e layouts.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="68"/>
        <source>More layouts</source>
        <translation>Mais layouts</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="84"/>
        <source>Velmor - Help</source>
        <translation>Velmor - Ajuda</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="111"/>
        <location filename="../src/shell/GameMenus.cpp" line="95"/>
        <location filename="../src/shell/GameMenus.h" line="125"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="112"/>
        <location filename="../src/shell/GameMenus.h" line="115"/>
        <source>What&apos;s New</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="113"/>
        <location filename="../src/shell/GameMenus.h" line="126"/>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="114"/>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="115"/>
        <location filename="../src/shell/GameMenus.h" line="25"/>
        <source>Tiles</source>
        <translation>Peças</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="119"/>
        <source>Player Name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="121"/>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="58"/>
        <source>Random Seed</source>
        <translation>Número do jogo</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="131"/>
        <source>Choose a specific game number (from 1 to 2,147,483,647)</source>
        <translation>Escolha um número de jogo (de 1 a 2.147.483.647)</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="136"/>
        <source>Activate the game by clicking File -&gt; Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Ative o jogo clicando em Arquivo -&gt; Paciência Mah-Jongg : Novo jogo numerado</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="142"/>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Rk</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <location filename="../src/shell/GameMenus.h" line="29"/>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Malus</source>
        <translation>Penalidade</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="162"/>
        <source>Reset High Scores</source>
        <translation>Zerar recordes</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Started</source>
        <translation>Iniciados</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Won</source>
        <translation>Vencidos</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Average</source>
        <translation>Média</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Streak</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Longest</source>
        <translation>Maior sequência</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="199"/>
        <source>No game has been counted yet.</source>
        <translation>Nenhum jogo foi contado ainda.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="203"/>
        <source>Reset Statistics</source>
        <translation>Zerar estatísticas</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="211"/>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="213"/>
        <source>Return to Velmor</source>
        <translation>Voltar ao Velmor</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="94"/>
        <source>%1 • in play</source>
        <translation>%1 • em jogo</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="103"/>
        <source>Velmor - Choose Layout</source>
        <translation>Velmor - Escolher layout</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="108"/>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="110"/>
        <source>Type part of a layout&apos;s name</source>
        <translation>Digite parte do nome de um layout</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="172"/>
        <source>Double-click a layout or press Return to play it.</source>
        <translation>Clique duas vezes em um layout ou pressione Enter para jogá-lo.</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="175"/>
        <source>&amp;Play Layout</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="74"/>
        <source>&amp;Play</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="177"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="226"/>
        <source>No layout&apos;s name holds “%1”.</source>
        <translation>Nenhum nome de layout contém “%1”.</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="199"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="123"/>
        <source>Tiles left</source>
        <translation>Peças restantes</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="208"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="124"/>
        <source>Layout Name</source>
        <translation>Nome do layout</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="123"/>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="122"/>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="124"/>
        <source>Shuffle</source>
        <translation>Embaralhar</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <location filename="../src/platform/QtPlatform.cpp" line="173"/>
        <source>No preview</source>
        <translation>Sem visualização</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="82"/>
        <location filename="../src/shell/DeadEnd.cpp" line="27"/>
        <source>      SORRY, NO MORE MOVES !!</source>
        <translation>      SINTO MUITO, NÃO HÁ MAIS JOGADAS!!</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="89"/>
        <source>Player 1 %1  ·  ▶ Player 2 %2</source>
        <translation>Jogador 1 %1  ·  ▶ Jogador 2 %2</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="90"/>
        <source>▶ Player 1 %1  ·  Player 2 %2</source>
        <translation>▶ Jogador 1 %1  ·  Jogador 2 %2</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="98"/>
        <location filename="../src/shell/GameKeeper.cpp" line="136"/>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="99"/>
        <location filename="../src/shell/GameKeeper.cpp" line="137"/>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="107"/>
        <location filename="../src/shell/ClockAndStatus.cpp" line="135"/>
        <location filename="../src/shell/GameCommands.cpp" line="26"/>
        <location filename="../src/shell/GameCommands.cpp" line="144"/>
        <location filename="../src/shell/GameMenus.h" line="64"/>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="108"/>
        <location filename="../src/shell/ClockAndStatus.cpp" line="136"/>
        <location filename="../src/shell/GameCommands.cpp" line="25"/>
        <location filename="../src/shell/GameCommands.cpp" line="143"/>
        <location filename="../src/shell/GameMenus.h" line="63"/>
        <source>&amp;Pause</source>
        <translation>Pa&amp;usar</translation>
    </message>
    <message>
        <location filename="../src/shell/Editor.cpp" line="19"/>
        <source>New Layout</source>
        <translation>Novo layout</translation>
    </message>
    <message>
        <location filename="../src/shell/Editor.cpp" line="48"/>
        <source>You haven&apos;t finished building the layout yet !</source>
        <translation>Você ainda não terminou de montar o layout!</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="59"/>
        <source>Vertical variation</source>
        <translation>Variante vertical</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="60"/>
        <source>If you want to change the game mode, you&apos;ll have to restart your game. Do you wish to continue ?</source>
        <translation>Para mudar o modo de jogo, será preciso reiniciar o seu jogo. Deseja continuar?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="91"/>
        <source>The layout &quot;%1&quot; has %2 tiles; a layout needs an even number of tiles from 2 to 144.</source>
        <translation>O layout &quot;%1&quot; tem %2 peças; um layout precisa de um número par de peças, de 2 a 144.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="124"/>
        <source>This layout cannot be dealt winnable: dealt at random.</source>
        <translation>Este layout não pode ser distribuído com solução: distribuído ao acaso.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="157"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="100"/>
        <source>Specific Board started. Random Seed #%1</source>
        <translation>Jogo numerado iniciado. Número do jogo #%1</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="160"/>
        <source>New game started.</source>
        <translation>Novo jogo iniciado.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="172"/>
        <source>Velmor %1 - Voverizo Dadazu (Hard)</source>
        <translation>Velmor %1 - Voverizo Dadazu (Difícil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="174"/>
        <source>Velmor %1 - Voverizo Dadazu (Easy)</source>
        <translation>Velmor %1 - Voverizo Dadazu (Fácil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="176"/>
        <source>Velmor %1 - %2 - game %3</source>
        <translation>Velmor %1 - %2 - jogo %3</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="177"/>
        <source>Velmor %1 - %2</source>
        <translation>Velmor %1 - %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="179"/>
        <source>Velmor %1 - game %2</source>
        <translation>Velmor %1 - jogo %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="180"/>
        <source>Velmor %1</source>
        <translation>Velmor %1</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="85"/>
        <source>cannot create the folder &quot;%1&quot;: %2</source>
        <translation>não é possível criar a pasta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="86"/>
        <source>not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="14"/>
        <source>Velmor saved games (*.vsave)|*.vsave</source>
        <translation>Jogos salvos do Velmor (*.vsave)|*.vsave</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="29"/>
        <source>The game in progress could not be kept: %1.</source>
        <translation>Não foi possível guardar o jogo em andamento: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="42"/>
        <source>The game in progress cannot be continued: %1.</source>
        <translation>O jogo em andamento não pode ser continuado: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="46"/>
        <source>Game resumed.</source>
        <translation>Jogo retomado.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="56"/>
        <source>The game in progress cannot be continued: %1. It was kept as &quot;%2&quot;. A new game starts.</source>
        <translation>O jogo em andamento não pode ser continuado: %1. Ele foi guardado como &quot;%2&quot;. Um novo jogo vai começar.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="59"/>
        <source>The game in progress cannot be continued: %1. A new game starts.</source>
        <translation>O jogo em andamento não pode ser continuado: %1. Um novo jogo vai começar.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="71"/>
        <source>There is no game in progress to save.</source>
        <translation>Não há nenhum jogo em andamento para salvar.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="75"/>
        <source>Save Game</source>
        <translation>Salvar jogo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="81"/>
        <source>The game was not saved: %1.</source>
        <translation>O jogo não foi salvo: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="85"/>
        <source>Game saved as &quot;%1&quot;.</source>
        <translation>Jogo salvo como &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="91"/>
        <location filename="../src/shell/GameKeeper.cpp" line="101"/>
        <source>Load Game</source>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="97"/>
        <location filename="../src/shell/GameKeeper.cpp" line="106"/>
        <source>The saved game cannot be loaded: %1.</source>
        <translation>O jogo salvo não pode ser carregado: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="102"/>
        <source>A game is in progress. Leave it and load &quot;%1&quot;?</source>
        <translation>Há um jogo em andamento. Abandoná-lo e carregar &quot;%1&quot;?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="111"/>
        <source>Game loaded.</source>
        <translation>Jogo carregado.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="121"/>
        <source>its layout &quot;%1&quot; is no longer there</source>
        <translation>o layout &quot;%1&quot; não existe mais</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="88"/>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="89"/>
        <source>Undo move</source>
        <translation>Voltar uma jogada</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="90"/>
        <source>Redo move</source>
        <translation>Refazer a jogada</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="91"/>
        <source>Show possible moves</source>
        <translation>Mostrar jogadas possíveis</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="92"/>
        <source>Shuffle tiles</source>
        <translation>Embaralhar as peças</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="93"/>
        <source>Pause game</source>
        <translation>Pausar o jogo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="94"/>
        <source>Pause music</source>
        <translation>Pausar a música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="96"/>
        <source>About Velmor</source>
        <translation>Sobre o Velmor</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="98"/>
        <source>Quit Velmor</source>
        <translation>Sair do Velmor</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="27"/>
        <source>Moves left</source>
        <translation>Jogadas restantes</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="31"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="33"/>
        <source>&amp;Show Time Left</source>
        <translation>Mostrar tempo &amp;restante</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="34"/>
        <source>Show &amp;Moves Left</source>
        <translation>Mostrar &amp;jogadas restantes</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="35"/>
        <source>Cool Status</source>
        <translation>Status estilizado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="38"/>
        <source>M&amp;usic</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="39"/>
        <source>Random Music</source>
        <translation>Música aleatória</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="40"/>
        <source>Play music</source>
        <translation>Tocar música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="41"/>
        <source>Play sound effects</source>
        <translation>Tocar efeitos sonoros</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="42"/>
        <source>Run music automatically at startup</source>
        <translation>Tocar música automaticamente ao iniciar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="43"/>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="44"/>
        <source>Music &amp;Volume</source>
        <translation>&amp;Volume da música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="45"/>
        <source>E&amp;ffects Volume</source>
        <translation>Volume dos e&amp;feitos</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="48"/>
        <source>Mah-Jongg Solitaire : New Fully Random Game</source>
        <translation>Paciência Mah-Jongg : Novo jogo totalmente aleatório</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="51"/>
        <source>Mah-Jongg Solitaire : New Random Specific Game</source>
        <translation>Paciência Mah-Jongg : Novo jogo numerado aleatório</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="52"/>
        <source>Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Paciência Mah-Jongg : Novo jogo numerado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="53"/>
        <source>Solitaire (1-player)</source>
        <translation>Paciência (1 jogador)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="54"/>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="55"/>
        <source>Winnable Layouts (in at least one way)</source>
        <translation>Layouts com solução (de pelo menos uma maneira)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="56"/>
        <source>Winnable Shuffles (in at least one way)</source>
        <translation>Embaralhamentos com solução (de pelo menos uma maneira)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="57"/>
        <source>Animate Board while building the tiles</source>
        <translation>Animar o tabuleiro ao montar as peças</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="59"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="60"/>
        <source>Vertical Variation</source>
        <translation>Variante vertical</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="61"/>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="62"/>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="65"/>
        <source>&amp;Layout</source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="66"/>
        <source>&amp;Choose Layout…</source>
        <translation>&amp;Escolher layout…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="67"/>
        <source>&amp;Import Layout…</source>
        <translation>&amp;Importar layout…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="68"/>
        <source>Create Layout</source>
        <translation>Criar layout</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="69"/>
        <source>Edit Layout</source>
        <translation>Editar layout</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="73"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="75"/>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="76"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="77"/>
        <source>Hi&amp;ghlight</source>
        <translation>&amp;Destaque</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="78"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="81"/>
        <source>Mah-Jongg Solitaire : New 2-Player Game</source>
        <translation>Paciência Mah-Jongg : Novo jogo para 2 jogadores</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="82"/>
        <source>Mah-Jongg Rivers : New Game (Easy)</source>
        <translation>Rios Mah-Jongg : Novo jogo (Fácil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="83"/>
        <source>Mah-Jongg Rivers : New Game (Hard)</source>
        <translation>Rios Mah-Jongg : Novo jogo (Difícil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="84"/>
        <source>Solitaire (2-player)</source>
        <translation>Paciência (2 jogadores)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="85"/>
        <source>MJ Rivers (Easy)</source>
        <translation>Rios MJ (Fácil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="86"/>
        <source>MJ Rivers (Hard)</source>
        <translation>Rios MJ (Difícil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="87"/>
        <source>&amp;Save Game…</source>
        <translation>&amp;Salvar jogo…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="88"/>
        <source>&amp;Load Game…</source>
        <translation>&amp;Carregar jogo…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="89"/>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="90"/>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="91"/>
        <source>R&amp;edo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="92"/>
        <source>&amp;Restart</source>
        <translation>Re&amp;iniciar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="93"/>
        <source>Can I Still &amp;Win?</source>
        <translation>Ainda posso ga&amp;nhar?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="94"/>
        <source>&amp;Demo</source>
        <translation>De&amp;monstração</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="95"/>
        <source>Watch Winnability</source>
        <translation>Monitorar se há solução</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="97"/>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="98"/>
        <source>Shu&amp;ffle</source>
        <translation>&amp;Embaralhar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="99"/>
        <source>Show &amp;Toolbar</source>
        <translation>Mostrar barra de &amp;ferramentas</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="100"/>
        <source>Show Status Bar</source>
        <translation>Mostrar barra de status</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="101"/>
        <source>Show Hall of &amp;Fame</source>
        <translation>Mostrar &amp;Hall da Fama</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="102"/>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="103"/>
        <source>Cool Toolbar</source>
        <translation>Barra de ferramentas estilizada</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="104"/>
        <source>Cool Buttons</source>
        <translation>Botões estilizados</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="105"/>
        <source>Cool Menu</source>
        <translation>Menu estilizado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="106"/>
        <source>Cool Mouse</source>
        <translation>Ponteiro estilizado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="107"/>
        <source>Show Current Tile</source>
        <translation>Mostrar peça atual</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="108"/>
        <source>Only Possible Moves</source>
        <translation>Somente jogadas possíveis</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="109"/>
        <source>Switch to 800x600 at startup</source>
        <translation>Mudar para 800x600 ao iniciar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="110"/>
        <source>Begin game directly at startup</source>
        <translation>Começar um jogo direto ao iniciar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="111"/>
        <source>Resume Last Game</source>
        <translation>Retomar o último jogo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="112"/>
        <source>Enable time tracking for the Hall of fame</source>
        <translation>Ativar a contagem de tempo para o Hall da Fama</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="113"/>
        <source>Animate Tile Rivers in Voverizo Dadazu</source>
        <translation>Animar o deslizar das peças no Voverizo Dadazu</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="114"/>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="116"/>
        <source>French Help</source>
        <translation>Ajuda em francês</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="117"/>
        <source>View Tiles</source>
        <translation>Ver peças</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="118"/>
        <source>&amp;Player Name</source>
        <translation>&amp;Nome do jogador</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="119"/>
        <source>&amp;Hall of Fame</source>
        <translation>&amp;Hall da Fama</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="120"/>
        <source>&amp;Statistics</source>
        <translation>&amp;Estatísticas</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="121"/>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="158"/>
        <location filename="../src/shell/GameMenus.h" line="162"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="132"/>
        <location filename="../src/shell/GameMenus.h" line="150"/>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="133"/>
        <source>Red Rectangle</source>
        <translation>Retângulo vermelho</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="134"/>
        <source>Colored Tile</source>
        <translation>Peça colorida</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="135"/>
        <source>Green Rectangle</source>
        <translation>Retângulo verde</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="136"/>
        <source>Blue Rectangle</source>
        <translation>Retângulo azul</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="137"/>
        <source>&amp;Invert selection</source>
        <translation>&amp;Inverter seleção</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="138"/>
        <source>Enable 3D shadows on tilesets</source>
        <translation>Ativar sombras 3D nas peças</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="141"/>
        <source>Tileset</source>
        <translation>Conjunto de peças</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="142"/>
        <location filename="../src/shell/GameMenus.h" line="149"/>
        <source>Load from disk</source>
        <translation>Carregar do disco</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="143"/>
        <source>Orange borders</source>
        <translation>Bordas laranja</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="144"/>
        <source>Dark borders</source>
        <translation>Bordas escuras</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="145"/>
        <source>Blue borders</source>
        <translation>Bordas azuis</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="146"/>
        <source>Few Colors</source>
        <translation>Poucas cores</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="147"/>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="148"/>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="151"/>
        <source>&amp;Dragons</source>
        <translation>&amp;Dragões</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="152"/>
        <source>Andromeda</source>
        <translation>Andrômeda</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="153"/>
        <source>&amp;Kanji (classic)</source>
        <translation>&amp;Kanji (clássico)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="154"/>
        <source>Catpats</source>
        <translation>Catpats</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="159"/>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="160"/>
        <source>Save as...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="161"/>
        <source>Try it</source>
        <translation>Testar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="163"/>
        <source>Move Board</source>
        <translation>Mover tabuleiro</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="164"/>
        <source>Move to left &lt;</source>
        <translation>Mover para a esquerda &lt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="165"/>
        <source>Move to right &gt;</source>
        <translation>Mover para a direita &gt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="166"/>
        <source>Move to top /\</source>
        <translation>Mover para cima /\</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="167"/>
        <source>Move to bottom \/</source>
        <translation>Mover para baixo \/</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="14"/>
        <source>The statistics could not be read: %1. They are not counted this time.</source>
        <translation>Não foi possível ler as estatísticas: %1. Desta vez elas não serão contadas.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="44"/>
        <location filename="../src/shell/Help.cpp" line="113"/>
        <source>Please confirm...</source>
        <translation>Confirme, por favor...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="45"/>
        <source>Do you really want to reset the statistics of every layout and of Voverizo Dadazu ?</source>
        <translation>Deseja mesmo zerar as estatísticas de todos os layouts e do Voverizo Dadazu?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="61"/>
        <source>The statistics were not saved: %1.</source>
        <translation>As estatísticas não foram salvas: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="38"/>
        <source>Player 2 WON ! Congratulations !</source>
        <translation>Jogador 2 VENCEU! Parabéns!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="41"/>
        <source>Same score for both players !</source>
        <translation>Empate entre os dois jogadores!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="44"/>
        <source>Player 1 WON ! Congratulations !</source>
        <translation>Jogador 1 VENCEU! Parabéns!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="58"/>
        <source>The demo cleared the board.</source>
        <translation>A demonstração limpou o tabuleiro.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="67"/>
        <source>Congratulations !! You WON !</source>
        <translation>Parabéns!! Você VENCEU!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="69"/>
        <source>You WON ! Your time is : %1</source>
        <translation>Você VENCEU! Seu tempo: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="96"/>
        <source>Two-Player Solitaire started.</source>
        <translation>Paciência para 2 jogadores iniciada.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="116"/>
        <source>PLAY 1</source>
        <translation>JOGADOR 1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="117"/>
        <source>PLAY 2</source>
        <translation>JOGADOR 2</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="140"/>
        <source>The Hall of Fame could not be read: %1.</source>
        <translation>Não foi possível ler o Hall da Fama: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="159"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="166"/>
        <source>The Hall of Fame was not saved: %1.</source>
        <translation>O Hall da Fama não foi salvo: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="185"/>
        <source>HALL OF</source>
        <translation>HALL DA</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="186"/>
        <source>FAME</source>
        <translation>FAMA</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="19"/>
        <source>The Hall of Fame of &quot;%1&quot; held 1 unreadable entry; it was replaced by empty places.</source>
        <translation>O Hall da Fama de &quot;%1&quot; tinha 1 entrada ilegível; ela foi trocada por uma posição vazia.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="20"/>
        <source>The Hall of Fame of &quot;%1&quot; held %2 unreadable entries; they were replaced by empty places.</source>
        <translation>O Hall da Fama de &quot;%1&quot; tinha %2 entradas ilegíveis; elas foram trocadas por posições vazias.</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="32"/>
        <source>%1 Layout</source>
        <translation>Layout %1</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Craks (4 times each)</source>
        <translation>Caracteres (4 vezes cada)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Bamboos (4 times each)</source>
        <translation>Bambus (4 vezes cada)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Dots (4 times each)</source>
        <translation>Círculos (4 vezes cada)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Flowers (once each)</source>
        <translation>Flores (uma vez cada)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Seasons (once each)</source>
        <translation>Estações (uma vez cada)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Winds (4 times each)</source>
        <translation>Ventos (4 vezes cada)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="62"/>
        <source>Dragons (4 times each)</source>
        <translation>Dragões (4 vezes cada)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="70"/>
        <source>You reached rank #%1, %2 !</source>
        <translation>Você chegou à posição #%1, %2!</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="114"/>
        <source>Do you really want to remove the Hall of Fame entries for this layout ?</source>
        <translation>Deseja mesmo apagar as entradas do Hall da Fama deste layout?</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="100"/>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>não é possível ler &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="105"/>
        <source>&quot;%1&quot; is not a plain file</source>
        <translation>&quot;%1&quot; não é um arquivo comum</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="109"/>
        <location filename="../src/shell/IniFile.cpp" line="115"/>
        <source>&quot;%1&quot; is too large to be a settings file</source>
        <translation>&quot;%1&quot; é grande demais para ser um arquivo de configurações</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="300"/>
        <source>no settings file was read, so none can be written</source>
        <translation>nenhum arquivo de configurações foi lido, então nenhum pode ser gravado</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <source>Greensleeves</source>
        <translation>Greensleeves</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Jasmine</source>
        <translation>Jasmim</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Lanterns</source>
        <translation>Lanternas</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="17"/>
        <source>Night</source>
        <translation>Noite</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="17"/>
        <source>Sakura</source>
        <translation>Sakura</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="45"/>
        <source>No tune was found in &quot;%1&quot;. Velmor needs its tunes (.mid files) there.</source>
        <translation>Nenhuma música foi encontrada em &quot;%1&quot;. O Velmor precisa das suas músicas (arquivos .mid) nessa pasta.</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="74"/>
        <source>No music: %1.</source>
        <translation>Sem música: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="59"/>
        <source>System</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="74"/>
        <source>Velmor cannot speak this language: %1.</source>
        <translation>O Velmor não fala este idioma: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="17"/>
        <source>Layouts from other games (*.layout *.map)|*.layout;*.map</source>
        <translation>Layouts de outros jogos (*.layout *.map)|*.layout;*.map</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="42"/>
        <location filename="../src/shell/LayoutChoice.cpp" line="70"/>
        <source>Import Layout</source>
        <translation>Importar layout</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="50"/>
        <source>%1. No layout was imported.</source>
        <translation>%1. Nenhum layout foi importado.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="58"/>
        <location filename="../src/shell/LayoutChoice.cpp" line="76"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="71"/>
        <source>The layout &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>O layout &quot;%1&quot; já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="84"/>
        <source>From &quot;%1&quot;:</source>
        <translation>De &quot;%1&quot;:</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="86"/>
        <source>%1
Imported into the Layout menu: %2.</source>
        <translation>%1
Importados para o menu Layout: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="90"/>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="91"/>
        <source>%1
Refused: %2.</source>
        <translation>%1
Recusados: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="93"/>
        <source>%1
Kept as they were: %2.</source>
        <translation>%1
Mantidos como estavam: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="95"/>
        <source>%1
No layout was imported.</source>
        <translation>%1
Nenhum layout foi importado.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="100"/>
        <source>%1
The Layout menu holds %2 layouts at most; %3 were left out: %4.</source>
        <translation>%1
O menu Layout comporta no máximo %2 layouts; %3 ficaram de fora: %4.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="69"/>
        <source>Cannot be read</source>
        <translation>Não pode ser lido</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="70"/>
        <source>No heap of its own</source>
        <translation>Sem pilha própria</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layer</source>
        <translation>%1 camada</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layers</source>
        <translation>%1 camadas</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Best %1</source>
        <translation>Melhor: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Not won yet</source>
        <translation>Ainda não vencido</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once, best %1</source>
        <translation>Vencido 1 vez, melhor: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once</source>
        <translation>Vencido 1 vez</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="78"/>
        <source>Won %1 times, best %2</source>
        <translation>Vencido %1 vezes, melhor: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="79"/>
        <source>Won %1 times</source>
        <translation>Vencido %1 vezes</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="84"/>
        <source>Counting the deals that can be cleared</source>
        <translation>Contando as partidas que podem ser resolvidas</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="86"/>
        <source>%1 % of deals can be cleared</source>
        <translation>%1 % das partidas podem ser resolvidas</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="21"/>
        <source>Welcome to Velmor %1 : Mah-Jongg solitaire for Linux. Have fun !</source>
        <translation>Bem-vindo ao Velmor %1 : paciência Mah-Jongg para Linux. Divirta-se!</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="25"/>
        <source>Layout %1 selected.</source>
        <translation>Layout %1 selecionado.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="40"/>
        <source>%1 The current layout stays.</source>
        <translation>%1 O layout atual é mantido.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="74"/>
        <source>%1 Velmor starts with the layout &quot;%2&quot; instead.</source>
        <translation>%1 Em vez dele, o Velmor começa com o layout &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="130"/>
        <source>No layout was found in &quot;%1&quot;. Velmor needs at least one layout file (.lay or .shp) there to play.</source>
        <translation>Nenhum layout foi encontrado em &quot;%1&quot;. O Velmor precisa de pelo menos um arquivo de layout (.lay ou .shp) nessa pasta para jogar.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="139"/>
        <source>The Layout menu holds 99 layouts at most; %1 more were left out: %2.</source>
        <translation>O menu Layout comporta no máximo 99 layouts; outros %1 ficaram de fora: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="173"/>
        <source>Please choose a name for your layout file</source>
        <translation>Escolha um nome para o seu arquivo de layout</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="174"/>
        <source>LAY Layout files (*.lay)|*.lay</source>
        <translation>Arquivos de layout LAY (*.lay)|*.lay</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="184"/>
        <source>Save layout</source>
        <translation>Salvar layout</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="185"/>
        <source>The layout file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>O arquivo de layout &quot;%1&quot; já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="199"/>
        <source>The layout was not saved: %1.</source>
        <translation>O layout não foi salvo: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="218"/>
        <source>The layout was saved, but the Layout menu holds 99 layouts at most, so it is not listed.</source>
        <translation>O layout foi salvo, mas o menu Layout comporta no máximo 99 layouts, por isso ele não aparece no menu.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="18"/>
        <source>The picture &quot;%1&quot; could not be loaded: %2.</source>
        <translation>Não foi possível carregar a imagem &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="44"/>
        <source>Please choose a Tileset bitmap file</source>
        <translation>Escolha um arquivo de imagem para o conjunto de peças</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="45"/>
        <source>Tileset files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>Arquivos de conjunto de peças (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="63"/>
        <source>Please choose a Background bitmap file</source>
        <translation>Escolha um arquivo de imagem para o fundo</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="64"/>
        <source>Background files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>Arquivos de fundo (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Platform.h" line="54"/>
        <source>there is no sound here</source>
        <translation>não há som disponível</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="115"/>
        <source>Game restarted.</source>
        <translation>Jogo reiniciado.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="142"/>
        <source>Tiles shuffled. %1 new moves found.</source>
        <translation>Peças embaralhadas. %1 novas jogadas encontradas.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="144"/>
        <source>Tiles shuffled. 1 new move found.</source>
        <translation>Peças embaralhadas. 1 nova jogada encontrada.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="146"/>
        <source>No moves found. Try to press Back a few times.</source>
        <translation>Nenhuma jogada encontrada. Tente clicar em Voltar algumas vezes.</translation>
    </message>
    <message>
        <location filename="../src/shell/Rivers.cpp" line="23"/>
        <source>Voverizo Dadazu started.</source>
        <translation>Voverizo Dadazu iniciado.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="92"/>
        <source>The text does not begin with {\rtf, so it is not RTF.</source>
        <translation>O texto não começa com {\rtf, portanto não é RTF.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="101"/>
        <source>The groups are nested deeper than %1 levels.</source>
        <translation>Os grupos estão aninhados em mais de %1 níveis.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="154"/>
        <source>The text ends inside an open group, so it is cut short or a &apos;}&apos; is missing.</source>
        <translation>O texto termina dentro de um grupo aberto: ele está incompleto ou falta um &apos;}&apos;.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="159"/>
        <source>A &apos;}&apos; closes a group that was never opened.</source>
        <translation>Um &apos;}&apos; fecha um grupo que nunca foi aberto.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="486"/>
        <source>The text is larger than %1 MB, too large for a help text.</source>
        <translation>O texto tem mais de %1 MB, grande demais para um texto de ajuda.</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="18"/>
        <source>there is no file &quot;%1&quot;</source>
        <translation>o arquivo &quot;%1&quot; não existe</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="38"/>
        <source>too many damaged copies of &quot;%1&quot; lie beside it</source>
        <translation>já há cópias danificadas demais de &quot;%1&quot; ao lado dele</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="44"/>
        <source>cannot rename &quot;%1&quot;: %2</source>
        <translation>não é possível renomear &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="16"/>
        <source>The solver answers in a one-player game.</source>
        <translation>O solucionador só responde em um jogo para um jogador.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="21"/>
        <source>Looking for a way to clear the board...</source>
        <translation>Procurando um jeito de limpar o tabuleiro...</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="36"/>
        <source>Looking for a way to clear the board</source>
        <translation>Procurando um jeito de limpar o tabuleiro</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="65"/>
        <source>Still winnable.</source>
        <translation>Ainda há solução.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="66"/>
        <source>Still winnable</source>
        <translation>Ainda há solução</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="70"/>
        <source>No longer winnable — go back %1 pair.</source>
        <translation>Não há mais solução — volte %1 par.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="72"/>
        <source>No longer winnable — go back %1 pairs.</source>
        <translation>Não há mais solução — volte %1 pares.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="74"/>
        <source>No longer winnable.</source>
        <translation>Não há mais solução.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="75"/>
        <source>No longer winnable</source>
        <translation>Não há mais solução</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="78"/>
        <source>The solver could not tell in time whether the game can still be won.</source>
        <translation>O solucionador não conseguiu descobrir a tempo se o jogo ainda pode ser vencido.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="79"/>
        <source>Not known whether the game can still be won</source>
        <translation>Não se sabe se o jogo ainda pode ser vencido</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="120"/>
        <source>Demo: the game plays itself. Click or press a key to take over.</source>
        <translation>Demonstração: o jogo joga sozinho. Clique ou pressione uma tecla para assumir.</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="101"/>
        <source>Game paused: press F12 or click Play to go on.</source>
        <translation>Jogo em pausa: pressione F12 ou clique em Jogar para continuar.</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="56"/>
        <source>Back 1 pair and it can be won</source>
        <translation>Volte 1 par e dá para ganhar</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="57"/>
        <source>Back %1 pairs and it can be won</source>
        <translation>Volte %1 pares e dá para ganhar</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="127"/>
        <source>Demo stopped.</source>
        <translation>Demonstração interrompida.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="149"/>
        <source>Demo: no move is left.</source>
        <translation>Demonstração: não resta nenhuma jogada.</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Very Quiet</source>
        <translation>Muito baixo</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="15"/>
        <source>Quiet</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="15"/>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="16"/>
        <source>Loud</source>
        <translation>Alto</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="16"/>
        <source>Full</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="56"/>
        <source>The settings could not be read: %1. The defaults apply.</source>
        <translation>Não foi possível ler as configurações: %1. Valem as configurações padrão.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="118"/>
        <source>Velmor cannot start without a readable layout.</source>
        <translation>O Velmor não pode iniciar sem um layout legível.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="145"/>
        <source>The help text &quot;%1&quot; could not be read: %2. Velmor cannot start without it.</source>
        <translation>Não foi possível ler o texto de ajuda &quot;%1&quot;: %2. O Velmor não pode iniciar sem ele.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="188"/>
        <source>The settings were not saved: %1.</source>
        <translation>As configurações não foram salvas: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="13"/>
        <source>The statistics file is too large to be read; the statistics start afresh.</source>
        <translation>O arquivo de estatísticas é grande demais para ser lido; as estatísticas recomeçam do zero.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="14"/>
        <source>Some statistics could not be read and count as zero: %1.</source>
        <translation>Algumas estatísticas não puderam ser lidas e contam como zero: %1.</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="14"/>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="117"/>
        <source>Fish</source>
        <translation>Peixe</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="203"/>
        <source>Butterfly</source>
        <translation>Borboleta</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="262"/>
        <source>Owl</source>
        <translation>Coruja</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="317"/>
        <source>Turtle</source>
        <translation>Tartaruga</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="402"/>
        <source>Snail</source>
        <translation>Caracol</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="14"/>
        <source>Castle</source>
        <translation>Castelo</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="63"/>
        <source>Temple</source>
        <translation>Templo</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="118"/>
        <source>Lighthouse</source>
        <translation>Farol</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="188"/>
        <source>Arch</source>
        <translation>Arco</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="248"/>
        <source>Pagoda</source>
        <translation>Pagoda</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="16"/>
        <source>Traditional</source>
        <translation>Tradicional</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="101"/>
        <source>Pyramid</source>
        <translation>Pirâmide</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="188"/>
        <source>Bridge</source>
        <translation>Ponte</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="272"/>
        <source>Fortress</source>
        <translation>Fortaleza</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="363"/>
        <source>Crab</source>
        <translation>Caranguejo</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="450"/>
        <source>Archipelago</source>
        <translation>Arquipélago</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="495"/>
        <source>Towers</source>
        <translation>Torres</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="599"/>
        <source>Brickwork</source>
        <translation>Tijolos</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="660"/>
        <source>Spiral</source>
        <translation>Espiral</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="16"/>
        <source>Meadow</source>
        <translation>Campina</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="58"/>
        <source>Garden</source>
        <translation>Jardim</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="102"/>
        <source>Stones</source>
        <translation>Pedras</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="149"/>
        <source>Honeycomb</source>
        <translation>Favo de Mel</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="195"/>
        <source>Waves</source>
        <translation>Ondas</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="241"/>
        <source>Checkers</source>
        <translation>Xadrez</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="288"/>
        <source>Scales</source>
        <translation>Escamas</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="16"/>
        <source>Vault</source>
        <translation>Cofre</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="61"/>
        <source>Monolith</source>
        <translation>Monólito</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="126"/>
        <source>Obelisk</source>
        <translation>Obelisco</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="235"/>
        <source>Ziggurat</source>
        <translation>Zigurate</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="318"/>
        <source>Volcano</source>
        <translation>Vulcão</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="405"/>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="488"/>
        <source>Mountain</source>
        <translation>Montanha</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="16"/>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="125"/>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="203"/>
        <source>Heart</source>
        <translation>Coração</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="257"/>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="318"/>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="393"/>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="467"/>
        <source>Ring</source>
        <translation>Anel</translation>
    </message>
</context>
</TS>
