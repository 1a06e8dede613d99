<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>velmor</name>
    <message>
        <location filename="../src/base/Midi.cpp" line="71"/>
        <location filename="../src/base/Midi.cpp" line="76"/>
        <location filename="../src/base/Midi.cpp" line="115"/>
        <source>a track ends in the middle of an event</source>
        <translation>una pista termina en mitad de un evento</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="83"/>
        <source>a track has a data byte where an event should start</source>
        <translation>una pista tiene un byte de datos donde debería empezar un evento</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="100"/>
        <source>a track holds a system message that has no place in a file</source>
        <translation>una pista contiene un mensaje de sistema que no cabe en un archivo</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="147"/>
        <source>not a MIDI file</source>
        <translation>no es un archivo MIDI</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="151"/>
        <source>its header is cut short</source>
        <translation>su cabecera está incompleta</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="155"/>
        <source>MIDI format %1 is not one of 0, 1 and 2</source>
        <translation>el formato MIDI %1 no es 0, 1 ni 2</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="159"/>
        <source>it has no track</source>
        <translation>no tiene ninguna pista</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="171"/>
        <source>its time division is zero</source>
        <translation>su división de tiempo es cero</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="177"/>
        <source>it has %1 of its %2 tracks</source>
        <translation>solo tiene %1 de sus %2 pistas</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="181"/>
        <source>a track runs past the end of the file</source>
        <translation>una pista sobrepasa el final del archivo</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Crak %1</source>
        <translation>Carácter %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Bamboo %1</source>
        <translation>Bambú %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Dot %1</source>
        <translation>Círculo %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Plum</source>
        <translation>Flor: ciruelo</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Orchid</source>
        <translation>Flor: orquídea</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Chrysanthemum</source>
        <translation>Flor: crisantemo</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Bamboo</source>
        <translation>Flor: bambú</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Spring</source>
        <translation>Estación: primavera</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Summer</source>
        <translation>Estación: verano</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Autumn</source>
        <translation>Estación: otoño</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Winter</source>
        <translation>Estación: invierno</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Red Dragon</source>
        <translation>Dragón rojo</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Green Dragon</source>
        <translation>Dragón verde</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>White Dragon</source>
        <translation>Dragón blanco</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>East Wind</source>
        <translation>Viento del este</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>South Wind</source>
        <translation>Viento del sur</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>West Wind</source>
        <translation>Viento del oeste</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="18"/>
        <source>North Wind</source>
        <translation>Viento del norte</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="21"/>
        <source>blocked</source>
        <translation>bloqueada</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="22"/>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="23"/>
        <source>blocked, picked</source>
        <translation>bloqueada, seleccionada</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="24"/>
        <source>free, picked</source>
        <translation>libre, seleccionada</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="25"/>
        <source>blocked, hinted</source>
        <translation>bloqueada, señalada por la pista</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="26"/>
        <source>free, hinted</source>
        <translation>libre, señalada por la pista</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="27"/>
        <source>blocked, picked, hinted</source>
        <translation>bloqueada, seleccionada, señalada por la pista</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="28"/>
        <source>free, picked, hinted</source>
        <translation>libre, seleccionada, señalada por la pista</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="29"/>
        <source>%1, layer %2, row %3, column %4</source>
        <translation>%1, capa %2, fila %3, columna %4</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="51"/>
        <source>the JPEG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>la imagen JPEG es demasiado grande (%1 x %2; como máximo %3 por lado)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="58"/>
        <location filename="../src/display/Jpeg.cpp" line="237"/>
        <source>not a JPEG picture</source>
        <translation>no es una imagen JPEG</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="61"/>
        <location filename="../src/display/Jpeg.cpp" line="89"/>
        <location filename="../src/display/Jpeg.cpp" line="136"/>
        <location filename="../src/display/Jpeg.cpp" line="156"/>
        <source>the JPEG picture is truncated</source>
        <translation>la imagen JPEG está truncada</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="63"/>
        <location filename="../src/display/Jpeg.cpp" line="185"/>
        <source>the JPEG picture has no pixels</source>
        <translation>la imagen JPEG no tiene píxeles</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="67"/>
        <location filename="../src/display/Jpeg.cpp" line="216"/>
        <source>not enough memory to decode the JPEG picture</source>
        <translation>no hay memoria suficiente para descodificar la imagen JPEG</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="71"/>
        <source>cannot decode the JPEG picture: %1</source>
        <translation>no se puede descodificar la imagen JPEG: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="93"/>
        <source>the JPEG picture is damaged: %1</source>
        <translation>la imagen JPEG está dañada: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="102"/>
        <source>the JPEG picture has too many scans</source>
        <translation>la imagen JPEG tiene demasiados barridos</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="203"/>
        <source>the JPEG picture has an unsupported colour layout (%1 components)</source>
        <translation>la imagen JPEG tiene una organización del color no admitida (%1 componentes)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="233"/>
        <source>the JPEG data is empty</source>
        <translation>los datos JPEG están vacíos</translation>
    </message>
    <message>
        <location filename="../src/display/Picture.cpp" line="176"/>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="50"/>
        <source>the PNG header is damaged</source>
        <translation>la cabecera PNG está dañada</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="58"/>
        <source>the PNG picture has no pixels</source>
        <translation>la imagen PNG no tiene píxeles</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="63"/>
        <source>the PNG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>la imagen PNG es demasiado grande (%1 x %2; como máximo %3 por lado)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="85"/>
        <source>the PNG picture has an unknown colour type</source>
        <translation>la imagen PNG tiene un tipo de color desconocido</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="89"/>
        <source>the PNG picture has a bit depth its colour type does not allow</source>
        <translation>la imagen PNG tiene una profundidad de bits que su tipo de color no permite</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="93"/>
        <source>the PNG picture uses an unknown compression or filter method</source>
        <translation>la imagen PNG usa un método de compresión o de filtrado desconocido</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="97"/>
        <source>interlaced PNG pictures cannot be read; save the picture without interlacing</source>
        <translation>no se pueden leer imágenes PNG entrelazadas; guarda la imagen sin entrelazado</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="101"/>
        <source>the PNG picture uses an unknown interlace method</source>
        <translation>la imagen PNG usa un método de entrelazado desconocido</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="181"/>
        <source>not enough memory to decode the PNG picture</source>
        <translation>no hay memoria suficiente para descodificar la imagen PNG</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="195"/>
        <location filename="../src/display/Png.cpp" line="207"/>
        <location filename="../src/display/Png.cpp" line="251"/>
        <location filename="../src/display/Png.cpp" line="261"/>
        <location filename="../src/display/Png.cpp" line="308"/>
        <source>the PNG picture is truncated</source>
        <translation>la imagen PNG está truncada</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="211"/>
        <source>the PNG picture data is damaged</source>
        <translation>los datos de la imagen PNG están dañados</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="238"/>
        <source>not a PNG picture</source>
        <translation>no es una imagen PNG</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="257"/>
        <source>the PNG picture is damaged</source>
        <translation>la imagen PNG está dañada</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="267"/>
        <source>the PNG picture is damaged (a checksum does not match)</source>
        <translation>la imagen PNG está dañada (una suma de comprobación no coincide)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="273"/>
        <source>the PNG picture has no header</source>
        <translation>la imagen PNG no tiene cabecera</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="278"/>
        <source>the PNG picture has two headers</source>
        <translation>la imagen PNG tiene dos cabeceras</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="285"/>
        <source>the PNG palette is damaged</source>
        <translation>la paleta PNG está dañada</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="297"/>
        <source>the PNG picture uses a feature that cannot be read (%1)</source>
        <translation>la imagen PNG usa una característica que no se puede leer (%1)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="302"/>
        <source>the PNG picture has no palette</source>
        <translation>la imagen PNG no tiene paleta</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="323"/>
        <source>the PNG picture data is damaged (an unknown row filter)</source>
        <translation>los datos de la imagen PNG están dañados (un filtro de fila desconocido)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="344"/>
        <source>the PNG picture uses a colour its palette does not have</source>
        <translation>la imagen PNG usa un color que su paleta no tiene</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="13"/>
        <source>it has %1 tiles; a heap needs exactly %2</source>
        <translation>tiene %1 fichas; un montón necesita exactamente %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="23"/>
        <source>a tile lies below the bottom layer (layer %1)</source>
        <translation>una ficha queda por debajo de la capa inferior (capa %1)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="27"/>
        <source>it has %1 layers; the board holds %2</source>
        <translation>tiene %1 capas; en el tablero caben %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="33"/>
        <source>it is %1 half tiles wide; the board holds %2</source>
        <translation>mide %1 medias fichas de ancho; en el tablero caben %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="37"/>
        <source>it is %1 half tiles high; the board holds %2</source>
        <translation>mide %1 medias fichas de alto; en el tablero caben %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="51"/>
        <source>two tiles overlap on layer %1</source>
        <translation>dos fichas se solapan en la capa %1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="44"/>
        <source>it is a KMahjongg layout of a version other than 1.0 and 1.1</source>
        <translation>es una disposición de KMahjongg de una versión distinta de la 1.0 y la 1.1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="45"/>
        <source>it is not a KMahjongg layout: its first line is not &quot;kmahjongg-layout-v1.0&quot; or &quot;-v1.1&quot;</source>
        <translation>no es una disposición de KMahjongg: su primera línea no es &quot;kmahjongg-layout-v1.0&quot; ni &quot;-v1.1&quot;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="58"/>
        <source>its size line &quot;%1&quot; holds no size from 1 to 9999999</source>
        <translation>su línea de tamaño &quot;%1&quot; no contiene ningún tamaño de 1 a 9999999</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="66"/>
        <source>it does not give its width, height and depth</source>
        <translation>no indica su anchura, altura y profundidad</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="72"/>
        <source>its tile map has %1 cells instead of %2 x %3 x %4</source>
        <translation>su mapa de fichas tiene %1 celdas en lugar de %2 x %3 x %4</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="101"/>
        <source>the file ends inside a comment</source>
        <translation>el archivo termina dentro de un comentario</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="103"/>
        <source>the file ends inside a CDATA section</source>
        <translation>el archivo termina dentro de una sección CDATA</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="105"/>
        <source>the file ends inside an XML declaration</source>
        <translation>el archivo termina dentro de una declaración XML</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="131"/>
        <source>the file ends inside a declaration</source>
        <translation>el archivo termina dentro de una declaración</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="161"/>
        <source>the file ends inside the tag &lt;%1&gt;</source>
        <translation>el archivo termina dentro de la etiqueta &lt;%1&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="172"/>
        <source>the tag &lt;%1&gt; is never closed</source>
        <translation>la etiqueta &lt;%1&gt; no se cierra nunca</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="186"/>
        <source>the file ends inside the value of &quot;%1&quot;</source>
        <translation>el archivo termina dentro del valor de &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="264"/>
        <source>a &lt;%1&gt; has %2=&quot;%3&quot;, which is not a coordinate</source>
        <translation>un elemento &lt;%1&gt; tiene %2=&quot;%3&quot;, que no es una coordenada</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="352"/>
        <source>the file ends inside this map</source>
        <translation>el archivo termina dentro de este mapa</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="355"/>
        <source>it is not a GNOME Mahjongg map file: it holds no &lt;map&gt;</source>
        <translation>no es un archivo de mapas de GNOME Mahjongg: no contiene ningún &lt;map&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="91"/>
        <source>it is neither a KMahjongg layout nor a GNOME Mahjongg map</source>
        <translation>no es ni una disposición de KMahjongg ni un mapa de GNOME Mahjongg</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="97"/>
        <source>&quot;%1&quot; is too large to be a layout (%2 bytes)</source>
        <translation>&quot;%1&quot; es demasiado grande para ser una disposición (%2 bytes)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="103"/>
        <source>&quot;%1&quot; is too large to be a layout</source>
        <translation>&quot;%1&quot; es demasiado grande para ser una disposición</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="107"/>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <translation>&quot;%1&quot; no se puede importar: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="135"/>
        <source>&quot;%1&quot; was not imported: %2</source>
        <translation>&quot;%1&quot; no se ha importado: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="40"/>
        <source>the tile map holds %1 cells instead of %2</source>
        <translation>el mapa de fichas tiene %1 celdas en lugar de %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="45"/>
        <source>the tile map holds a character other than 0 or 1 at position %1</source>
        <translation>el mapa de fichas tiene un carácter distinto de 0 y 1 en la posición %1</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="63"/>
        <source>it has %1 lines; 144 are needed</source>
        <translation>tiene %1 líneas; se necesitan 144</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="70"/>
        <source>line %1 is shorter than 9 characters</source>
        <translation>la línea %1 tiene menos de 9 caracteres</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="75"/>
        <source>line %1 has &quot;%2&quot; where hexadecimal coordinates belong</source>
        <translation>la línea %1 tiene &quot;%2&quot; donde deberían ir coordenadas hexadecimales</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="82"/>
        <source>line %1 places a tile outside the board (x %2, y %3, z %4)</source>
        <translation>la línea %1 coloca una ficha fuera del tablero (x %2, y %3, z %4)</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="117"/>
        <source>The layout could not be loaded: %1.</source>
        <translation>No se ha podido cargar la disposición: %1.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="118"/>
        <source>The layout &quot;%1&quot; is an empty file.</source>
        <translation>La disposición &quot;%1&quot; es un archivo vacío.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="124"/>
        <source>&quot;%1&quot; is not a layout file.</source>
        <translation>&quot;%1&quot; no es un archivo de disposición.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="127"/>
        <source>The layout &quot;%1&quot; is damaged: %2.</source>
        <translation>La disposición &quot;%1&quot; está dañada: %2.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="133"/>
        <source>&quot;%1&quot; is not a layout file: its first line is not &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; no es un archivo de disposición: su primera línea no es &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="140"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds no tile.</source>
        <translation>No se puede jugar la disposición &quot;%1&quot;: no tiene ninguna ficha.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="141"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds %2 tiles, and a deal needs an even number of tiles from 2 to 144.</source>
        <translation>No se puede jugar la disposición &quot;%1&quot;: tiene %2 fichas y un reparto necesita un número par de fichas entre 2 y 144.</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="122"/>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>&quot;%1&quot; es una carpeta, no un archivo</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="127"/>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>no se puede abrir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="133"/>
        <source>cannot read &quot;%1&quot;</source>
        <translation>no se puede leer &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="154"/>
        <location filename="../src/base/Files.cpp" line="164"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>no se puede escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="168"/>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>no se puede reemplazar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutInPlay.h" line="13"/>
        <location filename="../src/shell/Startup.cpp" line="112"/>
        <source>External Layout</source>
        <translation>Disposición externa</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="130"/>
        <source>tile %1 is on the board of a game of %2</source>
        <translation>la ficha %1 está en el tablero de una partida de %2 fichas</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="134"/>
        <source>the board holds %1 tiles instead of %2</source>
        <translation>el tablero tiene %1 fichas en lugar de %2</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="141"/>
        <source>history entry %1 is wrong</source>
        <translation>la entrada %1 del historial es incorrecta</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="142"/>
        <source>tile %1 is taken twice</source>
        <translation>la ficha %1 se retira dos veces</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="145"/>
        <source>the history pairs tile %1 with tile %2, which do not match</source>
        <translation>el historial empareja la ficha %1 con la ficha %2, que no forman pareja</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="150"/>
        <source>tile %1 was taken back but does not stand where it was taken from</source>
        <translation>la ficha %1 se ha devuelto, pero no está en el sitio del que se retiró</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="153"/>
        <source>tile %1 was taken but is still on the board</source>
        <translation>la ficha %1 se ha retirado, pero sigue en el tablero</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="155"/>
        <source>tile %1 was taken from a place that is not free</source>
        <translation>la ficha %1 se ha retirado de un sitio que no está libre</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="160"/>
        <source>a game for one player has the clocks of two</source>
        <translation>una partida para un jugador tiene los relojes de dos</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="175"/>
        <source>the flat game has a layout number</source>
        <translation>la partida plana tiene un número de disposición</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="176"/>
        <source>a flat game of %1 tiles holds %2</source>
        <translation>una partida plana de %1 fichas contiene %2</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="181"/>
        <source>tile %1 is not part of this flat game</source>
        <translation>la ficha %1 no forma parte de esta partida plana</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="185"/>
        <source>a layout game has the number of a flat game</source>
        <translation>una partida con disposición tiene el número de una partida plana</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="187"/>
        <source>the layout has %1 places but the game holds %2 tiles</source>
        <translation>la disposición tiene %1 posiciones, pero la partida contiene %2 fichas</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="190"/>
        <source>tile %1 stands outside the layout</source>
        <translation>la ficha %1 está fuera de la disposición</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="250"/>
        <source>it was saved by another version of the game</source>
        <translation>se guardó con otra versión del juego</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="251"/>
        <location filename="../src/shell/SavedGameFile.cpp" line="22"/>
        <source>it is not a saved game</source>
        <translation>no es una partida guardada</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="253"/>
        <location filename="../src/modes/SavedGameText.cpp" line="257"/>
        <source>it is cut short</source>
        <translation>está incompleta</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="260"/>
        <source>its checksum line is damaged</source>
        <translation>su línea de suma de comprobación está dañada</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="262"/>
        <source>it is damaged: its checksum does not match its contents</source>
        <translation>está dañada: su suma de comprobación no coincide con su contenido</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="273"/>
        <source>it holds a line it should not: &quot;%1&quot;</source>
        <translation>contiene una línea que no debería: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="274"/>
        <source>it holds &quot;%1&quot; twice</source>
        <translation>contiene &quot;%1&quot; dos veces</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="277"/>
        <source>its line &quot;%1&quot; is missing</source>
        <translation>le falta la línea &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="280"/>
        <source>its line &quot;%1&quot; holds &quot;%2&quot;, which is out of range or unreadable</source>
        <translation>su línea &quot;%1&quot; contiene &quot;%2&quot;, que está fuera de rango o es ilegible</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="318"/>
        <source>tile %1 and tile %2 share a place</source>
        <translation>la ficha %1 y la ficha %2 ocupan el mismo sitio</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="354"/>
        <source>it does not add up: %1</source>
        <translation>no cuadra: %1</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="68"/>
        <location filename="../src/shell/Help.cpp" line="33"/>
        <source>Voverizo Dadazu (Easy)</source>
        <translation>Voverizo Dadazu (fácil)</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="70"/>
        <location filename="../src/shell/Help.cpp" line="34"/>
        <source>Voverizo Dadazu (Hard)</source>
        <translation>Voverizo Dadazu (difícil)</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tile left</source>
        <translation>Queda %1 ficha</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tiles left</source>
        <translation>Quedan %1 fichas</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="167"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="140"/>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="175"/>
        <location filename="../src/platform/HelpWindow.cpp" line="184"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="141"/>
        <location filename="../src/shell/GameMenus.cpp" line="97"/>
        <location filename="../src/shell/GameMenus.h" line="127"/>
        <source>Hall of Fame</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <location filename="../src/platform/DeadEndPanel.cpp" line="19"/>
        <location filename="../src/platform/DeadEndPanel.cpp" line="39"/>
        <source>No more moves</source>
        <translation>No quedan movimientos</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="62"/>
        <source>Mah-Jongg solitaire and Voverizo Dadazu for the Linux desktop.</source>
        <translation>Solitario Mah-Jongg y Voverizo Dadazu para el escritorio Linux.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="63"/>
        <source>Tiles, backgrounds, layouts, tunes and sounds were made for this game by its own generators.</source>
        <translation>Las fichas, los fondos, las disposiciones, las melodías y los sonidos se crearon para este juego con sus propios generadores.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="66"/>
        <source>Thanks to everyone who played the earlier versions and sent ideas and layouts.</source>
        <translation>Gracias a todos los que jugaron a las versiones anteriores y enviaron ideas y disposiciones.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="68"/>
        <source>More layouts</source>
        <translation>Más disposiciones</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="84"/>
        <source>Velmor - Help</source>
        <translation>Velmor - Ayuda</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="111"/>
        <location filename="../src/shell/GameMenus.cpp" line="95"/>
        <location filename="../src/shell/GameMenus.h" line="125"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="112"/>
        <location filename="../src/shell/GameMenus.h" line="115"/>
        <source>What&apos;s New</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="113"/>
        <location filename="../src/shell/GameMenus.h" line="126"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="114"/>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="115"/>
        <location filename="../src/shell/GameMenus.h" line="25"/>
        <source>Tiles</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="119"/>
        <source>Player Name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="121"/>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="58"/>
        <source>Random Seed</source>
        <translation>Semilla aleatoria</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="131"/>
        <source>Choose a specific game number (from 1 to 2,147,483,647)</source>
        <translation>Elige un número de partida concreto (de 1 a 2.147.483.647)</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="136"/>
        <source>Activate the game by clicking File -&gt; Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Empieza la partida haciendo clic en Archivo -&gt; Solitario Mah-Jongg: Nueva partida específica</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="142"/>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Rk</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <location filename="../src/shell/GameMenus.h" line="29"/>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Malus</source>
        <translation>Malus</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="162"/>
        <source>Reset High Scores</source>
        <translation>Borrar récords</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Layout</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Started</source>
        <translation>Empezadas</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Streak</source>
        <translation>Racha</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Longest</source>
        <translation>Más larga</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="199"/>
        <source>No game has been counted yet.</source>
        <translation>Todavía no se ha contado ninguna partida.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="203"/>
        <source>Reset Statistics</source>
        <translation>Borrar estadísticas</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="211"/>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="213"/>
        <source>Return to Velmor</source>
        <translation>Volver a Velmor</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="94"/>
        <source>%1 • in play</source>
        <translation>%1 • en juego</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="103"/>
        <source>Velmor - Choose Layout</source>
        <translation>Velmor - Elegir disposición</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="108"/>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="110"/>
        <source>Type part of a layout&apos;s name</source>
        <translation>Escribe parte del nombre de una disposición</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="172"/>
        <source>Double-click a layout or press Return to play it.</source>
        <translation>Haz doble clic en una disposición o pulsa Intro para jugarla.</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="175"/>
        <source>&amp;Play Layout</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="74"/>
        <source>&amp;Play</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="177"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="226"/>
        <source>No layout&apos;s name holds “%1”.</source>
        <translation>Ningún nombre de disposición contiene «%1».</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="199"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="123"/>
        <source>Tiles left</source>
        <translation>Fichas restantes</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="208"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="124"/>
        <source>Layout Name</source>
        <translation>Nombre de la disposición</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="123"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="122"/>
        <source>Back</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="124"/>
        <source>Shuffle</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <location filename="../src/platform/QtPlatform.cpp" line="173"/>
        <source>No preview</source>
        <translation>Sin vista previa</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="82"/>
        <location filename="../src/shell/DeadEnd.cpp" line="27"/>
        <source>      SORRY, NO MORE MOVES !!</source>
        <translation>      LO SIENTO, ¡NO QUEDAN MOVIMIENTOS!</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="89"/>
        <source>Player 1 %1  ·  ▶ Player 2 %2</source>
        <translation>Jugador 1 %1  ·  ▶ Jugador 2 %2</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="90"/>
        <source>▶ Player 1 %1  ·  Player 2 %2</source>
        <translation>▶ Jugador 1 %1  ·  Jugador 2 %2</translation>
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
        <translation>Jugar</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="107"/>
        <location filename="../src/shell/ClockAndStatus.cpp" line="135"/>
        <location filename="../src/shell/GameCommands.cpp" line="26"/>
        <location filename="../src/shell/GameCommands.cpp" line="144"/>
        <location filename="../src/shell/GameMenus.h" line="64"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="108"/>
        <location filename="../src/shell/ClockAndStatus.cpp" line="136"/>
        <location filename="../src/shell/GameCommands.cpp" line="25"/>
        <location filename="../src/shell/GameCommands.cpp" line="143"/>
        <location filename="../src/shell/GameMenus.h" line="63"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <location filename="../src/shell/Editor.cpp" line="19"/>
        <source>New Layout</source>
        <translation>Nueva disposición</translation>
    </message>
    <message>
        <location filename="../src/shell/Editor.cpp" line="48"/>
        <source>You haven&apos;t finished building the layout yet !</source>
        <translation>¡Todavía no has terminado de construir la disposición!</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="59"/>
        <source>Vertical variation</source>
        <translation>Variante vertical</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="60"/>
        <source>If you want to change the game mode, you&apos;ll have to restart your game. Do you wish to continue ?</source>
        <translation>Para cambiar el modo de juego tendrás que reiniciar la partida. ¿Quieres continuar?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="91"/>
        <source>The layout &quot;%1&quot; has %2 tiles; a layout needs an even number of tiles from 2 to 144.</source>
        <translation>La disposición &quot;%1&quot; tiene %2 fichas; una disposición necesita un número par de fichas entre 2 y 144.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="124"/>
        <source>This layout cannot be dealt winnable: dealt at random.</source>
        <translation>Esta disposición no se puede repartir con solución: se ha repartido al azar.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="157"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="100"/>
        <source>Specific Board started. Random Seed #%1</source>
        <translation>Partida específica iniciada. Semilla aleatoria n.º %1</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="160"/>
        <source>New game started.</source>
        <translation>Nueva partida iniciada.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="172"/>
        <source>Velmor %1 - Voverizo Dadazu (Hard)</source>
        <translation>Velmor %1 - Voverizo Dadazu (difícil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="174"/>
        <source>Velmor %1 - Voverizo Dadazu (Easy)</source>
        <translation>Velmor %1 - Voverizo Dadazu (fácil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="176"/>
        <source>Velmor %1 - %2 - game %3</source>
        <translation>Velmor %1 - %2 - partida %3</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="177"/>
        <source>Velmor %1 - %2</source>
        <translation>Velmor %1 - %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="179"/>
        <source>Velmor %1 - game %2</source>
        <translation>Velmor %1 - partida %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="180"/>
        <source>Velmor %1</source>
        <translation>Velmor %1</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="85"/>
        <source>cannot create the folder &quot;%1&quot;: %2</source>
        <translation>no se puede crear la carpeta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="86"/>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="14"/>
        <source>Velmor saved games (*.vsave)|*.vsave</source>
        <translation>Partidas guardadas de Velmor (*.vsave)|*.vsave</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="29"/>
        <source>The game in progress could not be kept: %1.</source>
        <translation>No se ha podido conservar la partida en curso: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="42"/>
        <source>The game in progress cannot be continued: %1.</source>
        <translation>No se puede continuar la partida en curso: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="46"/>
        <source>Game resumed.</source>
        <translation>Partida reanudada.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="56"/>
        <source>The game in progress cannot be continued: %1. It was kept as &quot;%2&quot;. A new game starts.</source>
        <translation>No se puede continuar la partida en curso: %1. Se ha conservado como &quot;%2&quot;. Empieza una partida nueva.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="59"/>
        <source>The game in progress cannot be continued: %1. A new game starts.</source>
        <translation>No se puede continuar la partida en curso: %1. Empieza una partida nueva.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="71"/>
        <source>There is no game in progress to save.</source>
        <translation>No hay ninguna partida en curso que guardar.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="75"/>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="81"/>
        <source>The game was not saved: %1.</source>
        <translation>No se ha guardado la partida: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="85"/>
        <source>Game saved as &quot;%1&quot;.</source>
        <translation>Partida guardada como &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="91"/>
        <location filename="../src/shell/GameKeeper.cpp" line="101"/>
        <source>Load Game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="97"/>
        <location filename="../src/shell/GameKeeper.cpp" line="106"/>
        <source>The saved game cannot be loaded: %1.</source>
        <translation>No se puede cargar la partida guardada: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="102"/>
        <source>A game is in progress. Leave it and load &quot;%1&quot;?</source>
        <translation>Hay una partida en curso. ¿Quieres dejarla y cargar &quot;%1&quot;?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="111"/>
        <source>Game loaded.</source>
        <translation>Partida cargada.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="121"/>
        <source>its layout &quot;%1&quot; is no longer there</source>
        <translation>su disposición &quot;%1&quot; ya no existe</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="88"/>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="89"/>
        <source>Undo move</source>
        <translation>Deshacer movimiento</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="90"/>
        <source>Redo move</source>
        <translation>Rehacer movimiento</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="91"/>
        <source>Show possible moves</source>
        <translation>Mostrar movimientos posibles</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="92"/>
        <source>Shuffle tiles</source>
        <translation>Mezclar las fichas</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="93"/>
        <source>Pause game</source>
        <translation>Pausar la partida</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="94"/>
        <source>Pause music</source>
        <translation>Pausar la música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="96"/>
        <source>About Velmor</source>
        <translation>Acerca de Velmor</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="98"/>
        <source>Quit Velmor</source>
        <translation>Salir de Velmor</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="27"/>
        <source>Moves left</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="31"/>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="33"/>
        <source>&amp;Show Time Left</source>
        <translation>Mostrar &amp;tiempo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="34"/>
        <source>Show &amp;Moves Left</source>
        <translation>Mostrar &amp;movimientos restantes</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="35"/>
        <source>Cool Status</source>
        <translation>Estado estilizado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="38"/>
        <source>M&amp;usic</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="39"/>
        <source>Random Music</source>
        <translation>Música aleatoria</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="40"/>
        <source>Play music</source>
        <translation>Reproducir música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="41"/>
        <source>Play sound effects</source>
        <translation>Reproducir efectos de sonido</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="42"/>
        <source>Run music automatically at startup</source>
        <translation>Iniciar la música automáticamente al arrancar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="43"/>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="44"/>
        <source>Music &amp;Volume</source>
        <translation>&amp;Volumen de la música</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="45"/>
        <source>E&amp;ffects Volume</source>
        <translation>Volumen de los &amp;efectos</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="48"/>
        <source>Mah-Jongg Solitaire : New Fully Random Game</source>
        <translation>Solitario Mah-Jongg: Nueva partida totalmente aleatoria</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="51"/>
        <source>Mah-Jongg Solitaire : New Random Specific Game</source>
        <translation>Solitario Mah-Jongg: Nueva partida específica aleatoria</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="52"/>
        <source>Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Solitario Mah-Jongg: Nueva partida específica</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="53"/>
        <source>Solitaire (1-player)</source>
        <translation>Solitario (1 jugador)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="54"/>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="55"/>
        <source>Winnable Layouts (in at least one way)</source>
        <translation>Disposiciones con solución (de al menos una forma)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="56"/>
        <source>Winnable Shuffles (in at least one way)</source>
        <translation>Mezclas con solución (de al menos una forma)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="57"/>
        <source>Animate Board while building the tiles</source>
        <translation>Animar el tablero al colocar las fichas</translation>
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
        <translation>P&amp;ista</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="62"/>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="65"/>
        <source>&amp;Layout</source>
        <translation>&amp;Disposición</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="66"/>
        <source>&amp;Choose Layout…</source>
        <translation>&amp;Elegir disposición…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="67"/>
        <source>&amp;Import Layout…</source>
        <translation>&amp;Importar disposición…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="68"/>
        <source>Create Layout</source>
        <translation>Crear disposición</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="69"/>
        <source>Edit Layout</source>
        <translation>Editar disposición</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="73"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="75"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="76"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="77"/>
        <source>Hi&amp;ghlight</source>
        <translation>&amp;Resaltado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="78"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="81"/>
        <source>Mah-Jongg Solitaire : New 2-Player Game</source>
        <translation>Solitario Mah-Jongg: Nueva partida para 2 jugadores</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="82"/>
        <source>Mah-Jongg Rivers : New Game (Easy)</source>
        <translation>Ríos Mah-Jongg: Nueva partida (fácil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="83"/>
        <source>Mah-Jongg Rivers : New Game (Hard)</source>
        <translation>Ríos Mah-Jongg: Nueva partida (difícil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="84"/>
        <source>Solitaire (2-player)</source>
        <translation>Solitario (2 jugadores)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="85"/>
        <source>MJ Rivers (Easy)</source>
        <translation>Ríos MJ (fácil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="86"/>
        <source>MJ Rivers (Hard)</source>
        <translation>Ríos MJ (difícil)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="87"/>
        <source>&amp;Save Game…</source>
        <translation>&amp;Guardar partida…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="88"/>
        <source>&amp;Load Game…</source>
        <translation>&amp;Cargar partida…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="89"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="90"/>
        <source>&amp;Back</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="91"/>
        <source>R&amp;edo</source>
        <translation>R&amp;ehacer</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="92"/>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="93"/>
        <source>Can I Still &amp;Win?</source>
        <translation>¿Aún puedo &amp;ganar?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="94"/>
        <source>&amp;Demo</source>
        <translation>Dem&amp;o</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="95"/>
        <source>Watch Winnability</source>
        <translation>Vigilar si aún se puede ganar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="97"/>
        <source>&amp;Stop</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="98"/>
        <source>Shu&amp;ffle</source>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="99"/>
        <source>Show &amp;Toolbar</source>
        <translation>Mostrar barra de &amp;herramientas</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="100"/>
        <source>Show Status Bar</source>
        <translation>Mostrar barra de estado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="101"/>
        <source>Show Hall of &amp;Fame</source>
        <translation>Mostrar Salón de la &amp;Fama</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="102"/>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="103"/>
        <source>Cool Toolbar</source>
        <translation>Barra de herramientas estilizada</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="104"/>
        <source>Cool Buttons</source>
        <translation>Botones estilizados</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="105"/>
        <source>Cool Menu</source>
        <translation>Menú estilizado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="106"/>
        <source>Cool Mouse</source>
        <translation>Ratón estilizado</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="107"/>
        <source>Show Current Tile</source>
        <translation>Mostrar ficha actual</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="108"/>
        <source>Only Possible Moves</source>
        <translation>Solo movimientos posibles</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="109"/>
        <source>Switch to 800x600 at startup</source>
        <translation>Cambiar a 800x600 al arrancar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="110"/>
        <source>Begin game directly at startup</source>
        <translation>Empezar partida directamente al arrancar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="111"/>
        <source>Resume Last Game</source>
        <translation>Reanudar la última partida</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="112"/>
        <source>Enable time tracking for the Hall of fame</source>
        <translation>Activar el cronometraje para el Salón de la Fama</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="113"/>
        <source>Animate Tile Rivers in Voverizo Dadazu</source>
        <translation>Animar ríos de fichas en Voverizo Dadazu</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="114"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="116"/>
        <source>French Help</source>
        <translation>Ayuda en francés</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="117"/>
        <source>View Tiles</source>
        <translation>Ver fichas</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="118"/>
        <source>&amp;Player Name</source>
        <translation>Nombre del &amp;jugador</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="119"/>
        <source>&amp;Hall of Fame</source>
        <translation>&amp;Salón de la Fama</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="120"/>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="121"/>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="158"/>
        <location filename="../src/shell/GameMenus.h" line="162"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="132"/>
        <location filename="../src/shell/GameMenus.h" line="150"/>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="133"/>
        <source>Red Rectangle</source>
        <translation>Rectángulo rojo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="134"/>
        <source>Colored Tile</source>
        <translation>Ficha coloreada</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="135"/>
        <source>Green Rectangle</source>
        <translation>Rectángulo verde</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="136"/>
        <source>Blue Rectangle</source>
        <translation>Rectángulo azul</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="137"/>
        <source>&amp;Invert selection</source>
        <translation>&amp;Invertir selección</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="138"/>
        <source>Enable 3D shadows on tilesets</source>
        <translation>Activar sombras 3D en las fichas</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="141"/>
        <source>Tileset</source>
        <translation>Juego de fichas</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="142"/>
        <location filename="../src/shell/GameMenus.h" line="149"/>
        <source>Load from disk</source>
        <translation>Cargar desde disco</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="143"/>
        <source>Orange borders</source>
        <translation>Bordes naranjas</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="144"/>
        <source>Dark borders</source>
        <translation>Bordes oscuros</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="145"/>
        <source>Blue borders</source>
        <translation>Bordes azules</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="146"/>
        <source>Few Colors</source>
        <translation>Pocos colores</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="147"/>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="148"/>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="151"/>
        <source>&amp;Dragons</source>
        <translation>&amp;Dragones</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="152"/>
        <source>Andromeda</source>
        <translation>Andromeda</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="153"/>
        <source>&amp;Kanji (classic)</source>
        <translation>&amp;Kanji (clásico)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="154"/>
        <source>Catpats</source>
        <translation>Catpats</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="159"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="160"/>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="161"/>
        <source>Try it</source>
        <translation>Probar</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="163"/>
        <source>Move Board</source>
        <translation>Mover tablero</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="164"/>
        <source>Move to left &lt;</source>
        <translation>Mover a la izquierda &lt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="165"/>
        <source>Move to right &gt;</source>
        <translation>Mover a la derecha &gt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="166"/>
        <source>Move to top /\</source>
        <translation>Mover arriba /\</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="167"/>
        <source>Move to bottom \/</source>
        <translation>Mover abajo \/</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="14"/>
        <source>The statistics could not be read: %1. They are not counted this time.</source>
        <translation>No se han podido leer las estadísticas: %1. Esta vez no se cuentan.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="44"/>
        <location filename="../src/shell/Help.cpp" line="113"/>
        <source>Please confirm...</source>
        <translation>Confirma, por favor...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="45"/>
        <source>Do you really want to reset the statistics of every layout and of Voverizo Dadazu ?</source>
        <translation>¿Seguro que quieres borrar las estadísticas de todas las disposiciones y de Voverizo Dadazu?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="61"/>
        <source>The statistics were not saved: %1.</source>
        <translation>No se han guardado las estadísticas: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="38"/>
        <source>Player 2 WON ! Congratulations !</source>
        <translation>¡Ha ganado el jugador 2! ¡Enhorabuena!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="41"/>
        <source>Same score for both players !</source>
        <translation>¡Empate entre los dos jugadores!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="44"/>
        <source>Player 1 WON ! Congratulations !</source>
        <translation>¡Ha ganado el jugador 1! ¡Enhorabuena!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="58"/>
        <source>The demo cleared the board.</source>
        <translation>La demo ha vaciado el tablero.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="67"/>
        <source>Congratulations !! You WON !</source>
        <translation>¡¡Enhorabuena!! ¡HAS GANADO!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="69"/>
        <source>You WON ! Your time is : %1</source>
        <translation>¡HAS GANADO! Tu tiempo: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="96"/>
        <source>Two-Player Solitaire started.</source>
        <translation>Solitario para 2 jugadores iniciado.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="116"/>
        <source>PLAY 1</source>
        <translation>JUG. 1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="117"/>
        <source>PLAY 2</source>
        <translation>JUG. 2</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="140"/>
        <source>The Hall of Fame could not be read: %1.</source>
        <translation>No se ha podido leer el Salón de la Fama: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="159"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="166"/>
        <source>The Hall of Fame was not saved: %1.</source>
        <translation>No se ha guardado el Salón de la Fama: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="185"/>
        <source>HALL OF</source>
        <translation>SALÓN DE</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="186"/>
        <source>FAME</source>
        <translation>LA FAMA</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="19"/>
        <source>The Hall of Fame of &quot;%1&quot; held 1 unreadable entry; it was replaced by empty places.</source>
        <translation>El Salón de la Fama de &quot;%1&quot; tenía 1 entrada ilegible; se ha sustituido por un puesto vacío.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="20"/>
        <source>The Hall of Fame of &quot;%1&quot; held %2 unreadable entries; they were replaced by empty places.</source>
        <translation>El Salón de la Fama de &quot;%1&quot; tenía %2 entradas ilegibles; se han sustituido por puestos vacíos.</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="32"/>
        <source>%1 Layout</source>
        <translation>Disposición %1</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Craks (4 times each)</source>
        <translation>Caracteres (4 veces cada uno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Bamboos (4 times each)</source>
        <translation>Bambúes (4 veces cada uno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Dots (4 times each)</source>
        <translation>Círculos (4 veces cada uno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Flowers (once each)</source>
        <translation>Flores (una vez cada una)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Seasons (once each)</source>
        <translation>Estaciones (una vez cada una)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Winds (4 times each)</source>
        <translation>Vientos (4 veces cada uno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="62"/>
        <source>Dragons (4 times each)</source>
        <translation>Dragones (4 veces cada uno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="70"/>
        <source>You reached rank #%1, %2 !</source>
        <translation>¡Has alcanzado el puesto n.º %1, %2!</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="114"/>
        <source>Do you really want to remove the Hall of Fame entries for this layout ?</source>
        <translation>¿Seguro que quieres borrar las entradas del Salón de la Fama de esta disposición?</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="100"/>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>no se puede leer &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="105"/>
        <source>&quot;%1&quot; is not a plain file</source>
        <translation>&quot;%1&quot; no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="109"/>
        <location filename="../src/shell/IniFile.cpp" line="115"/>
        <source>&quot;%1&quot; is too large to be a settings file</source>
        <translation>&quot;%1&quot; es demasiado grande para ser un archivo de configuración</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="300"/>
        <source>no settings file was read, so none can be written</source>
        <translation>no se ha leído ningún archivo de configuración, así que no se puede escribir ninguno</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <source>Greensleeves</source>
        <translation>Greensleeves</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Jasmine</source>
        <translation>Jazmín</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Lanterns</source>
        <translation>Farolillos</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="17"/>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="17"/>
        <source>Sakura</source>
        <translation>Sakura</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="45"/>
        <source>No tune was found in &quot;%1&quot;. Velmor needs its tunes (.mid files) there.</source>
        <translation>No se ha encontrado ninguna melodía en &quot;%1&quot;. Velmor necesita ahí sus melodías (archivos .mid).</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="74"/>
        <source>No music: %1.</source>
        <translation>Sin música: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="59"/>
        <source>System</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="74"/>
        <source>Velmor cannot speak this language: %1.</source>
        <translation>Velmor no puede usar este idioma: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="17"/>
        <source>Layouts from other games (*.layout *.map)|*.layout;*.map</source>
        <translation>Disposiciones de otros juegos (*.layout *.map)|*.layout;*.map</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="42"/>
        <location filename="../src/shell/LayoutChoice.cpp" line="70"/>
        <source>Import Layout</source>
        <translation>Importar disposición</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="50"/>
        <source>%1. No layout was imported.</source>
        <translation>%1. No se ha importado ninguna disposición.</translation>
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
        <translation>La disposición &quot;%1&quot; ya existe. ¿Quieres reemplazarla?</translation>
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
Importadas al menú Disposición: %2.</translation>
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
Rechazadas: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="93"/>
        <source>%1
Kept as they were: %2.</source>
        <translation>%1
Conservadas sin cambios: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="95"/>
        <source>%1
No layout was imported.</source>
        <translation>%1
No se ha importado ninguna disposición.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="100"/>
        <source>%1
The Layout menu holds %2 layouts at most; %3 were left out: %4.</source>
        <translation>%1
El menú Disposición admite como máximo %2 disposiciones; se han quedado fuera %3: %4.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="69"/>
        <source>Cannot be read</source>
        <translation>No se puede leer</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="70"/>
        <source>No heap of its own</source>
        <translation>Sin montón propio</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layer</source>
        <translation>%1 capa</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layers</source>
        <translation>%1 capas</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Best %1</source>
        <translation>Mejor: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Not won yet</source>
        <translation>Aún sin ganar</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once, best %1</source>
        <translation>Ganada una vez, mejor: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once</source>
        <translation>Ganada una vez</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="78"/>
        <source>Won %1 times, best %2</source>
        <translation>Ganada %1 veces, mejor: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="79"/>
        <source>Won %1 times</source>
        <translation>Ganada %1 veces</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="84"/>
        <source>Counting the deals that can be cleared</source>
        <translation>Contando las partidas que se pueden resolver</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="86"/>
        <source>%1 % of deals can be cleared</source>
        <translation>Se puede resolver el %1 % de las partidas</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="21"/>
        <source>Welcome to Velmor %1 : Mah-Jongg solitaire for Linux. Have fun !</source>
        <translation>Te damos la bienvenida a Velmor %1: solitario Mah-Jongg para Linux. ¡Diviértete!</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="25"/>
        <source>Layout %1 selected.</source>
        <translation>Disposición %1 seleccionada.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="40"/>
        <source>%1 The current layout stays.</source>
        <translation>%1 Se mantiene la disposición actual.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="74"/>
        <source>%1 Velmor starts with the layout &quot;%2&quot; instead.</source>
        <translation>%1 En su lugar, Velmor empieza con la disposición &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="130"/>
        <source>No layout was found in &quot;%1&quot;. Velmor needs at least one layout file (.lay or .shp) there to play.</source>
        <translation>No se ha encontrado ninguna disposición en &quot;%1&quot;. Velmor necesita ahí al menos un archivo de disposición (.lay o .shp) para jugar.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="139"/>
        <source>The Layout menu holds 99 layouts at most; %1 more were left out: %2.</source>
        <translation>El menú Disposición admite como máximo 99 disposiciones; se han quedado fuera %1 más: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="173"/>
        <source>Please choose a name for your layout file</source>
        <translation>Elige un nombre para tu archivo de disposición</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="174"/>
        <source>LAY Layout files (*.lay)|*.lay</source>
        <translation>Archivos de disposición LAY (*.lay)|*.lay</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="184"/>
        <source>Save layout</source>
        <translation>Guardar disposición</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="185"/>
        <source>The layout file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>El archivo de disposición &quot;%1&quot; ya existe. ¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="199"/>
        <source>The layout was not saved: %1.</source>
        <translation>No se ha guardado la disposición: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="218"/>
        <source>The layout was saved, but the Layout menu holds 99 layouts at most, so it is not listed.</source>
        <translation>Se ha guardado la disposición, pero el menú Disposición admite como máximo 99 disposiciones, así que no aparece en él.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="18"/>
        <source>The picture &quot;%1&quot; could not be loaded: %2.</source>
        <translation>No se ha podido cargar la imagen &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="44"/>
        <source>Please choose a Tileset bitmap file</source>
        <translation>Elige un archivo de imagen para el juego de fichas</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="45"/>
        <source>Tileset files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>Archivos de juego de fichas (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="63"/>
        <source>Please choose a Background bitmap file</source>
        <translation>Elige un archivo de imagen para el fondo</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="64"/>
        <source>Background files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>Archivos de fondo (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Platform.h" line="54"/>
        <source>there is no sound here</source>
        <translation>no hay sonido disponible</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="115"/>
        <source>Game restarted.</source>
        <translation>Partida reiniciada.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="142"/>
        <source>Tiles shuffled. %1 new moves found.</source>
        <translation>Fichas mezcladas. Se han encontrado %1 movimientos nuevos.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="144"/>
        <source>Tiles shuffled. 1 new move found.</source>
        <translation>Fichas mezcladas. Se ha encontrado 1 movimiento nuevo.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="146"/>
        <source>No moves found. Try to press Back a few times.</source>
        <translation>No se han encontrado movimientos. Prueba a pulsar Deshacer unas cuantas veces.</translation>
    </message>
    <message>
        <location filename="../src/shell/Rivers.cpp" line="23"/>
        <source>Voverizo Dadazu started.</source>
        <translation>Voverizo Dadazu iniciado.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="92"/>
        <source>The text does not begin with {\rtf, so it is not RTF.</source>
        <translation>El texto no empieza por {\rtf, así que no es RTF.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="101"/>
        <source>The groups are nested deeper than %1 levels.</source>
        <translation>Los grupos están anidados a más de %1 niveles.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="154"/>
        <source>The text ends inside an open group, so it is cut short or a &apos;}&apos; is missing.</source>
        <translation>El texto termina dentro de un grupo abierto, así que está incompleto o falta una &apos;}&apos;.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="159"/>
        <source>A &apos;}&apos; closes a group that was never opened.</source>
        <translation>Una &apos;}&apos; cierra un grupo que nunca se abrió.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="486"/>
        <source>The text is larger than %1 MB, too large for a help text.</source>
        <translation>El texto ocupa más de %1 MB, demasiado para un texto de ayuda.</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="18"/>
        <source>there is no file &quot;%1&quot;</source>
        <translation>no existe el archivo &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="38"/>
        <source>too many damaged copies of &quot;%1&quot; lie beside it</source>
        <translation>hay demasiadas copias dañadas de &quot;%1&quot; a su lado</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="44"/>
        <source>cannot rename &quot;%1&quot;: %2</source>
        <translation>no se puede cambiar el nombre de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="16"/>
        <source>The solver answers in a one-player game.</source>
        <translation>El solucionador solo responde en las partidas para un jugador.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="21"/>
        <source>Looking for a way to clear the board...</source>
        <translation>Buscando una forma de vaciar el tablero...</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="36"/>
        <source>Looking for a way to clear the board</source>
        <translation>Buscando una forma de vaciar el tablero</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="65"/>
        <source>Still winnable.</source>
        <translation>Aún se puede ganar.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="66"/>
        <source>Still winnable</source>
        <translation>Aún se puede ganar</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="70"/>
        <source>No longer winnable — go back %1 pair.</source>
        <translation>Ya no se puede ganar: deshaz %1 pareja.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="72"/>
        <source>No longer winnable — go back %1 pairs.</source>
        <translation>Ya no se puede ganar: deshaz %1 parejas.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="74"/>
        <source>No longer winnable.</source>
        <translation>Ya no se puede ganar.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="75"/>
        <source>No longer winnable</source>
        <translation>Ya no se puede ganar</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="78"/>
        <source>The solver could not tell in time whether the game can still be won.</source>
        <translation>El solucionador no ha podido averiguar a tiempo si aún se puede ganar la partida.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="79"/>
        <source>Not known whether the game can still be won</source>
        <translation>No se sabe si aún se puede ganar la partida</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="120"/>
        <source>Demo: the game plays itself. Click or press a key to take over.</source>
        <translation>Demo: la partida se juega sola. Haz clic o pulsa una tecla para tomar el control.</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="101"/>
        <source>Game paused: press F12 or click Play to go on.</source>
        <translation>Juego en pausa: pulse F12 o haga clic en Jugar para seguir.</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="56"/>
        <source>Back 1 pair and it can be won</source>
        <translation>Deshaga 1 pareja y se puede ganar</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="57"/>
        <source>Back %1 pairs and it can be won</source>
        <translation>Deshaga %1 parejas y se puede ganar</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="127"/>
        <source>Demo stopped.</source>
        <translation>Demo detenida.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="149"/>
        <source>Demo: no move is left.</source>
        <translation>Demo: no queda ningún movimiento.</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Very Quiet</source>
        <translation>Muy bajo</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="15"/>
        <source>Quiet</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="15"/>
        <source>Medium</source>
        <translation>Medio</translation>
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
        <translation>No se ha podido leer la configuración: %1. Se aplican los valores predeterminados.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="118"/>
        <source>Velmor cannot start without a readable layout.</source>
        <translation>Velmor no puede arrancar sin una disposición legible.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="145"/>
        <source>The help text &quot;%1&quot; could not be read: %2. Velmor cannot start without it.</source>
        <translation>No se ha podido leer el texto de ayuda &quot;%1&quot;: %2. Velmor no puede arrancar sin él.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="188"/>
        <source>The settings were not saved: %1.</source>
        <translation>No se ha guardado la configuración: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="13"/>
        <source>The statistics file is too large to be read; the statistics start afresh.</source>
        <translation>El archivo de estadísticas es demasiado grande para leerlo; las estadísticas empiezan de cero.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="14"/>
        <source>Some statistics could not be read and count as zero: %1.</source>
        <translation>Algunas estadísticas no se han podido leer y cuentan como cero: %1.</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="14"/>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="117"/>
        <source>Fish</source>
        <translation>Pez</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="203"/>
        <source>Butterfly</source>
        <translation>Mariposa</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="262"/>
        <source>Owl</source>
        <translation>Búho</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="317"/>
        <source>Turtle</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="402"/>
        <source>Snail</source>
        <translation>Caracol</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="14"/>
        <source>Castle</source>
        <translation>Castillo</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="63"/>
        <source>Temple</source>
        <translation>Templo</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="118"/>
        <source>Lighthouse</source>
        <translation>Faro</translation>
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
        <translation>Pirámide</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="188"/>
        <source>Bridge</source>
        <translation>Puente</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="272"/>
        <source>Fortress</source>
        <translation>Fortaleza</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="363"/>
        <source>Crab</source>
        <translation>Cangrejo</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="450"/>
        <source>Archipelago</source>
        <translation>Archipiélago</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="495"/>
        <source>Towers</source>
        <translation>Torres</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="599"/>
        <source>Brickwork</source>
        <translation>Ladrillos</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="660"/>
        <source>Spiral</source>
        <translation>Espiral</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="16"/>
        <source>Meadow</source>
        <translation>Pradera</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="58"/>
        <source>Garden</source>
        <translation>Jardín</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="102"/>
        <source>Stones</source>
        <translation>Piedras</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="149"/>
        <source>Honeycomb</source>
        <translation>Panal</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="195"/>
        <source>Waves</source>
        <translation>Olas</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="241"/>
        <source>Checkers</source>
        <translation>Damero</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="288"/>
        <source>Scales</source>
        <translation>Escamas</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="16"/>
        <source>Vault</source>
        <translation>Caja fuerte</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="61"/>
        <source>Monolith</source>
        <translation>Monolito</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="126"/>
        <source>Obelisk</source>
        <translation>Obelisco</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="235"/>
        <source>Ziggurat</source>
        <translation>Zigurat</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="318"/>
        <source>Volcano</source>
        <translation>Volcán</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="405"/>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="488"/>
        <source>Mountain</source>
        <translation>Montaña</translation>
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
        <translation>Corazón</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="257"/>
        <source>Star</source>
        <translation>Estrella</translation>
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
        <translation>Anillo</translation>
    </message>
</context>
</TS>
