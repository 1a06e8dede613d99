<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>velmor</name>
    <message>
        <location filename="../src/base/Midi.cpp" line="71"/>
        <location filename="../src/base/Midi.cpp" line="76"/>
        <location filename="../src/base/Midi.cpp" line="115"/>
        <source>a track ends in the middle of an event</source>
        <translation>eine Spur endet mitten in einem Ereignis</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="83"/>
        <source>a track has a data byte where an event should start</source>
        <translation>eine Spur hat ein Datenbyte, wo ein Ereignis beginnen müsste</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="100"/>
        <source>a track holds a system message that has no place in a file</source>
        <translation>eine Spur enthält eine Systemnachricht, die in einer Datei nichts zu suchen hat</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="147"/>
        <source>not a MIDI file</source>
        <translation>keine MIDI-Datei</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="151"/>
        <source>its header is cut short</source>
        <translation>der Dateikopf ist abgeschnitten</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="155"/>
        <source>MIDI format %1 is not one of 0, 1 and 2</source>
        <translation>das MIDI-Format %1 ist weder 0 noch 1 noch 2</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="159"/>
        <source>it has no track</source>
        <translation>die Datei enthält keine Spur</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="171"/>
        <source>its time division is zero</source>
        <translation>die Zeiteinteilung ist null</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="177"/>
        <source>it has %1 of its %2 tracks</source>
        <translation>die Datei enthält nur %1 ihrer %2 Spuren</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="181"/>
        <source>a track runs past the end of the file</source>
        <translation>eine Spur reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Crak %1</source>
        <translation>Zeichen %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Bamboo %1</source>
        <translation>Bambus %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Dot %1</source>
        <translation>Kreis %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Plum</source>
        <translation>Blume: Pflaume</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Orchid</source>
        <translation>Blume: Orchidee</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Chrysanthemum</source>
        <translation>Blume: Chrysantheme</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Bamboo</source>
        <translation>Blume: Bambus</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Spring</source>
        <translation>Jahreszeit: Frühling</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Summer</source>
        <translation>Jahreszeit: Sommer</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Autumn</source>
        <translation>Jahreszeit: Herbst</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Winter</source>
        <translation>Jahreszeit: Winter</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Red Dragon</source>
        <translation>Roter Drache</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Green Dragon</source>
        <translation>Grüner Drache</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>White Dragon</source>
        <translation>Weißer Drache</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>East Wind</source>
        <translation>Ostwind</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>South Wind</source>
        <translation>Südwind</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>West Wind</source>
        <translation>Westwind</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="18"/>
        <source>North Wind</source>
        <translation>Nordwind</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="21"/>
        <source>blocked</source>
        <translation>blockiert</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="22"/>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="23"/>
        <source>blocked, picked</source>
        <translation>blockiert, ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="24"/>
        <source>free, picked</source>
        <translation>frei, ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="25"/>
        <source>blocked, hinted</source>
        <translation>blockiert, als Tipp markiert</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="26"/>
        <source>free, hinted</source>
        <translation>frei, als Tipp markiert</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="27"/>
        <source>blocked, picked, hinted</source>
        <translation>blockiert, ausgewählt, als Tipp markiert</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="28"/>
        <source>free, picked, hinted</source>
        <translation>frei, ausgewählt, als Tipp markiert</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="29"/>
        <source>%1, layer %2, row %3, column %4</source>
        <translation>%1, Ebene %2, Reihe %3, Spalte %4</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="51"/>
        <source>the JPEG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>das JPEG-Bild ist zu groß (%1 x %2, höchstens %3 je Seite)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="58"/>
        <location filename="../src/display/Jpeg.cpp" line="237"/>
        <source>not a JPEG picture</source>
        <translation>kein JPEG-Bild</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="61"/>
        <location filename="../src/display/Jpeg.cpp" line="89"/>
        <location filename="../src/display/Jpeg.cpp" line="136"/>
        <location filename="../src/display/Jpeg.cpp" line="156"/>
        <source>the JPEG picture is truncated</source>
        <translation>das JPEG-Bild ist abgeschnitten</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="63"/>
        <location filename="../src/display/Jpeg.cpp" line="185"/>
        <source>the JPEG picture has no pixels</source>
        <translation>das JPEG-Bild hat keine Pixel</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="67"/>
        <location filename="../src/display/Jpeg.cpp" line="216"/>
        <source>not enough memory to decode the JPEG picture</source>
        <translation>nicht genug Speicher, um das JPEG-Bild zu dekodieren</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="71"/>
        <source>cannot decode the JPEG picture: %1</source>
        <translation>das JPEG-Bild kann nicht dekodiert werden: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="93"/>
        <source>the JPEG picture is damaged: %1</source>
        <translation>das JPEG-Bild ist beschädigt: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="102"/>
        <source>the JPEG picture has too many scans</source>
        <translation>das JPEG-Bild hat zu viele Scans</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="203"/>
        <source>the JPEG picture has an unsupported colour layout (%1 components)</source>
        <translation>das JPEG-Bild hat einen nicht unterstützten Farbaufbau (%1 Komponenten)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="233"/>
        <source>the JPEG data is empty</source>
        <translation>die JPEG-Daten sind leer</translation>
    </message>
    <message>
        <location filename="../src/display/Picture.cpp" line="176"/>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="50"/>
        <source>the PNG header is damaged</source>
        <translation>der PNG-Kopf ist beschädigt</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="58"/>
        <source>the PNG picture has no pixels</source>
        <translation>das PNG-Bild hat keine Pixel</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="63"/>
        <source>the PNG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>das PNG-Bild ist zu groß (%1 x %2, höchstens %3 je Seite)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="85"/>
        <source>the PNG picture has an unknown colour type</source>
        <translation>das PNG-Bild hat einen unbekannten Farbtyp</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="89"/>
        <source>the PNG picture has a bit depth its colour type does not allow</source>
        <translation>das PNG-Bild hat eine Bittiefe, die sein Farbtyp nicht erlaubt</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="93"/>
        <source>the PNG picture uses an unknown compression or filter method</source>
        <translation>das PNG-Bild verwendet eine unbekannte Kompressions- oder Filtermethode</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="97"/>
        <source>interlaced PNG pictures cannot be read; save the picture without interlacing</source>
        <translation>PNG-Bilder mit Zeilensprung (Interlacing) können nicht gelesen werden; speichern Sie das Bild ohne Interlacing</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="101"/>
        <source>the PNG picture uses an unknown interlace method</source>
        <translation>das PNG-Bild verwendet eine unbekannte Interlacing-Methode</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="181"/>
        <source>not enough memory to decode the PNG picture</source>
        <translation>nicht genug Speicher, um das PNG-Bild zu dekodieren</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="195"/>
        <location filename="../src/display/Png.cpp" line="207"/>
        <location filename="../src/display/Png.cpp" line="251"/>
        <location filename="../src/display/Png.cpp" line="261"/>
        <location filename="../src/display/Png.cpp" line="308"/>
        <source>the PNG picture is truncated</source>
        <translation>das PNG-Bild ist abgeschnitten</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="211"/>
        <source>the PNG picture data is damaged</source>
        <translation>die PNG-Bilddaten sind beschädigt</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="238"/>
        <source>not a PNG picture</source>
        <translation>kein PNG-Bild</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="257"/>
        <source>the PNG picture is damaged</source>
        <translation>das PNG-Bild ist beschädigt</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="267"/>
        <source>the PNG picture is damaged (a checksum does not match)</source>
        <translation>das PNG-Bild ist beschädigt (eine Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="273"/>
        <source>the PNG picture has no header</source>
        <translation>dem PNG-Bild fehlt der Kopf</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="278"/>
        <source>the PNG picture has two headers</source>
        <translation>das PNG-Bild hat zwei Köpfe</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="285"/>
        <source>the PNG palette is damaged</source>
        <translation>die PNG-Palette ist beschädigt</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="297"/>
        <source>the PNG picture uses a feature that cannot be read (%1)</source>
        <translation>das PNG-Bild verwendet eine Funktion, die nicht gelesen werden kann (%1)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="302"/>
        <source>the PNG picture has no palette</source>
        <translation>dem PNG-Bild fehlt die Palette</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="323"/>
        <source>the PNG picture data is damaged (an unknown row filter)</source>
        <translation>die PNG-Bilddaten sind beschädigt (ein unbekannter Zeilenfilter)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="344"/>
        <source>the PNG picture uses a colour its palette does not have</source>
        <translation>das PNG-Bild verwendet eine Farbe, die seine Palette nicht enthält</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="13"/>
        <source>it has %1 tiles; a heap needs exactly %2</source>
        <translation>der Stapel hat %1 Steine, braucht aber genau %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="23"/>
        <source>a tile lies below the bottom layer (layer %1)</source>
        <translation>ein Stein liegt unter der untersten Ebene (Ebene %1)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="27"/>
        <source>it has %1 layers; the board holds %2</source>
        <translation>der Stapel hat %1 Ebenen; das Spielfeld fasst %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="33"/>
        <source>it is %1 half tiles wide; the board holds %2</source>
        <translation>der Stapel ist %1 halbe Steine breit; das Spielfeld fasst %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="37"/>
        <source>it is %1 half tiles high; the board holds %2</source>
        <translation>der Stapel ist %1 halbe Steine hoch; das Spielfeld fasst %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="51"/>
        <source>two tiles overlap on layer %1</source>
        <translation>zwei Steine überlappen sich auf Ebene %1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="44"/>
        <source>it is a KMahjongg layout of a version other than 1.0 and 1.1</source>
        <translation>die Datei ist ein KMahjongg-Layout einer anderen Version als 1.0 und 1.1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="45"/>
        <source>it is not a KMahjongg layout: its first line is not &quot;kmahjongg-layout-v1.0&quot; or &quot;-v1.1&quot;</source>
        <translation>die Datei ist kein KMahjongg-Layout, denn die erste Zeile lautet nicht „kmahjongg-layout-v1.0“ oder „-v1.1“</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="58"/>
        <source>its size line &quot;%1&quot; holds no size from 1 to 9999999</source>
        <translation>die Größenzeile „%1“ enthält keine Größe von 1 bis 9999999</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="66"/>
        <source>it does not give its width, height and depth</source>
        <translation>die Datei gibt Breite, Höhe und Tiefe nicht an</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="72"/>
        <source>its tile map has %1 cells instead of %2 x %3 x %4</source>
        <translation>der Steinplan hat %1 Zellen statt %2 x %3 x %4</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="101"/>
        <source>the file ends inside a comment</source>
        <translation>die Datei endet innerhalb eines Kommentars</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="103"/>
        <source>the file ends inside a CDATA section</source>
        <translation>die Datei endet innerhalb eines CDATA-Abschnitts</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="105"/>
        <source>the file ends inside an XML declaration</source>
        <translation>die Datei endet innerhalb einer XML-Deklaration</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="131"/>
        <source>the file ends inside a declaration</source>
        <translation>die Datei endet innerhalb einer Deklaration</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="161"/>
        <source>the file ends inside the tag &lt;%1&gt;</source>
        <translation>die Datei endet innerhalb des Tags &lt;%1&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="172"/>
        <source>the tag &lt;%1&gt; is never closed</source>
        <translation>das Tag &lt;%1&gt; wird nie geschlossen</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="186"/>
        <source>the file ends inside the value of &quot;%1&quot;</source>
        <translation>die Datei endet innerhalb des Werts von „%1“</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="264"/>
        <source>a &lt;%1&gt; has %2=&quot;%3&quot;, which is not a coordinate</source>
        <translation>ein &lt;%1&gt; hat %2=&quot;%3&quot;, was keine Koordinate ist</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="352"/>
        <source>the file ends inside this map</source>
        <translation>die Datei endet innerhalb dieser Karte</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="355"/>
        <source>it is not a GNOME Mahjongg map file: it holds no &lt;map&gt;</source>
        <translation>die Datei ist keine GNOME-Mahjongg-Kartendatei, denn sie enthält kein &lt;map&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="91"/>
        <source>it is neither a KMahjongg layout nor a GNOME Mahjongg map</source>
        <translation>die Datei ist weder ein KMahjongg-Layout noch eine GNOME-Mahjongg-Karte</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="97"/>
        <source>&quot;%1&quot; is too large to be a layout (%2 bytes)</source>
        <translation>„%1“ ist zu groß für ein Layout (%2 Bytes)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="103"/>
        <source>&quot;%1&quot; is too large to be a layout</source>
        <translation>„%1“ ist zu groß für ein Layout</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="107"/>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <translation>„%1“ kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="135"/>
        <source>&quot;%1&quot; was not imported: %2</source>
        <translation>„%1“ wurde nicht importiert: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="40"/>
        <source>the tile map holds %1 cells instead of %2</source>
        <translation>der Steinplan enthält %1 statt %2 Zellen</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="45"/>
        <source>the tile map holds a character other than 0 or 1 at position %1</source>
        <translation>der Steinplan enthält an Position %1 ein anderes Zeichen als 0 oder 1</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="63"/>
        <source>it has %1 lines; 144 are needed</source>
        <translation>die Datei hat %1 Zeilen; nötig sind 144</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="70"/>
        <source>line %1 is shorter than 9 characters</source>
        <translation>Zeile %1 ist kürzer als 9 Zeichen</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="75"/>
        <source>line %1 has &quot;%2&quot; where hexadecimal coordinates belong</source>
        <translation>Zeile %1 enthält „%2“, wo hexadezimale Koordinaten stehen müssen</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="82"/>
        <source>line %1 places a tile outside the board (x %2, y %3, z %4)</source>
        <translation>Zeile %1 setzt einen Stein außerhalb des Spielfelds (x %2, y %3, z %4)</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="117"/>
        <source>The layout could not be loaded: %1.</source>
        <translation>Das Layout konnte nicht geladen werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="118"/>
        <source>The layout &quot;%1&quot; is an empty file.</source>
        <translation>Das Layout „%1“ ist eine leere Datei.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="124"/>
        <source>&quot;%1&quot; is not a layout file.</source>
        <translation>„%1“ ist keine Layout-Datei.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="127"/>
        <source>The layout &quot;%1&quot; is damaged: %2.</source>
        <translation>Das Layout „%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="133"/>
        <source>&quot;%1&quot; is not a layout file: its first line is not &quot;%2&quot;.</source>
        <translation>„%1“ ist keine Layout-Datei, denn die erste Zeile lautet nicht „%2“.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="140"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds no tile.</source>
        <translation>Das Layout „%1“ kann nicht gespielt werden, denn es enthält keinen Stein.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="141"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds %2 tiles, and a deal needs an even number of tiles from 2 to 144.</source>
        <translation>Das Layout „%1“ kann nicht gespielt werden: Es enthält %2 Steine, eine Verteilung braucht aber eine gerade Anzahl von 2 bis 144 Steinen.</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="122"/>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>„%1“ ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="127"/>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="133"/>
        <source>cannot read &quot;%1&quot;</source>
        <translation>„%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="154"/>
        <location filename="../src/base/Files.cpp" line="164"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="168"/>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutInPlay.h" line="13"/>
        <location filename="../src/shell/Startup.cpp" line="112"/>
        <source>External Layout</source>
        <translation>Externes Layout</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="130"/>
        <source>tile %1 is on the board of a game of %2</source>
        <translation>Stein %1 liegt auf dem Spielfeld eines Spiels mit %2 Steinen</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="134"/>
        <source>the board holds %1 tiles instead of %2</source>
        <translation>auf dem Spielfeld liegen %1 statt %2 Steine</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="141"/>
        <source>history entry %1 is wrong</source>
        <translation>Verlaufseintrag %1 ist fehlerhaft</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="142"/>
        <source>tile %1 is taken twice</source>
        <translation>Stein %1 wurde zweimal abgenommen</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="145"/>
        <source>the history pairs tile %1 with tile %2, which do not match</source>
        <translation>der Verlauf paart Stein %1 mit Stein %2, die nicht zusammenpassen</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="150"/>
        <source>tile %1 was taken back but does not stand where it was taken from</source>
        <translation>Stein %1 wurde zurückgelegt, liegt aber nicht dort, wo er abgenommen wurde</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="153"/>
        <source>tile %1 was taken but is still on the board</source>
        <translation>Stein %1 wurde abgenommen, liegt aber noch auf dem Spielfeld</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="155"/>
        <source>tile %1 was taken from a place that is not free</source>
        <translation>Stein %1 wurde von einem Platz abgenommen, der nicht frei ist</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="160"/>
        <source>a game for one player has the clocks of two</source>
        <translation>ein Spiel für einen Spieler hat die Uhren von zwei Spielern</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="175"/>
        <source>the flat game has a layout number</source>
        <translation>das flache Spiel hat eine Layout-Nummer</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="176"/>
        <source>a flat game of %1 tiles holds %2</source>
        <translation>ein flaches Spiel mit %1 Steinen enthält %2</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="181"/>
        <source>tile %1 is not part of this flat game</source>
        <translation>Stein %1 gehört nicht zu diesem flachen Spiel</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="185"/>
        <source>a layout game has the number of a flat game</source>
        <translation>ein Layout-Spiel hat die Nummer eines flachen Spiels</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="187"/>
        <source>the layout has %1 places but the game holds %2 tiles</source>
        <translation>das Layout hat %1 Plätze, das Spiel aber %2 Steine</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="190"/>
        <source>tile %1 stands outside the layout</source>
        <translation>Stein %1 liegt außerhalb des Layouts</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="250"/>
        <source>it was saved by another version of the game</source>
        <translation>die Datei wurde von einer anderen Version des Spiels gespeichert</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="251"/>
        <location filename="../src/shell/SavedGameFile.cpp" line="22"/>
        <source>it is not a saved game</source>
        <translation>die Datei ist kein gespeichertes Spiel</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="253"/>
        <location filename="../src/modes/SavedGameText.cpp" line="257"/>
        <source>it is cut short</source>
        <translation>die Datei ist unvollständig</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="260"/>
        <source>its checksum line is damaged</source>
        <translation>die Prüfsummenzeile ist beschädigt</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="262"/>
        <source>it is damaged: its checksum does not match its contents</source>
        <translation>die Datei ist beschädigt, denn die Prüfsumme passt nicht zum Inhalt</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="273"/>
        <source>it holds a line it should not: &quot;%1&quot;</source>
        <translation>die Datei enthält eine unzulässige Zeile: „%1“</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="274"/>
        <source>it holds &quot;%1&quot; twice</source>
        <translation>die Datei enthält „%1“ zweimal</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="277"/>
        <source>its line &quot;%1&quot; is missing</source>
        <translation>die Zeile „%1“ fehlt</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="280"/>
        <source>its line &quot;%1&quot; holds &quot;%2&quot;, which is out of range or unreadable</source>
        <translation>die Zeile „%1“ enthält „%2“, was außerhalb des Bereichs liegt oder unlesbar ist</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="318"/>
        <source>tile %1 and tile %2 share a place</source>
        <translation>Stein %1 und Stein %2 liegen auf demselben Platz</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="354"/>
        <source>it does not add up: %1</source>
        <translation>der Spielstand ist widersprüchlich: %1</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="68"/>
        <location filename="../src/shell/Help.cpp" line="33"/>
        <source>Voverizo Dadazu (Easy)</source>
        <translation>Voverizo Dadazu (leicht)</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="70"/>
        <location filename="../src/shell/Help.cpp" line="34"/>
        <source>Voverizo Dadazu (Hard)</source>
        <translation>Voverizo Dadazu (schwer)</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tile left</source>
        <translation>%1 Stein übrig</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tiles left</source>
        <translation>%1 Steine übrig</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="167"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="140"/>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="175"/>
        <location filename="../src/platform/HelpWindow.cpp" line="184"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="141"/>
        <location filename="../src/shell/GameMenus.cpp" line="97"/>
        <location filename="../src/shell/GameMenus.h" line="127"/>
        <source>Hall of Fame</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <location filename="../src/platform/DeadEndPanel.cpp" line="19"/>
        <location filename="../src/platform/DeadEndPanel.cpp" line="39"/>
        <source>No more moves</source>
        <translation>Keine Züge mehr</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="62"/>
        <source>Mah-Jongg solitaire and Voverizo Dadazu for the Linux desktop.</source>
        <translation>Mah-Jongg-Solitär und Voverizo Dadazu für den Linux-Desktop.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="63"/>
        <source>Tiles, backgrounds, layouts, tunes and sounds were made for this game by its own generators.</source>
        <translation>Steine, Hintergründe, Layouts, Melodien und Klänge wurden für dieses Spiel von seinen eigenen Generatoren erzeugt.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="66"/>
        <source>Thanks to everyone who played the earlier versions and sent ideas and layouts.</source>
        <translation>Danke an alle, die frühere Versionen gespielt und Ideen und Layouts geschickt haben.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="68"/>
        <source>More layouts</source>
        <translation>Weitere Layouts</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="84"/>
        <source>Velmor - Help</source>
        <translation>Velmor - Hilfe</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="111"/>
        <location filename="../src/shell/GameMenus.cpp" line="95"/>
        <location filename="../src/shell/GameMenus.h" line="125"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="112"/>
        <location filename="../src/shell/GameMenus.h" line="115"/>
        <source>What&apos;s New</source>
        <translation>Was ist neu</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="113"/>
        <location filename="../src/shell/GameMenus.h" line="126"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="114"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="115"/>
        <location filename="../src/shell/GameMenus.h" line="25"/>
        <source>Tiles</source>
        <translation>Steine</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="119"/>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="121"/>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="58"/>
        <source>Random Seed</source>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="131"/>
        <source>Choose a specific game number (from 1 to 2,147,483,647)</source>
        <translation>Wählen Sie eine bestimmte Spielnummer (von 1 bis 2.147.483.647)</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="136"/>
        <source>Activate the game by clicking File -&gt; Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Starten Sie das Spiel mit Datei -&gt; Mah-Jongg-Solitär: Neues Spiel mit Nummer</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="142"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Rk</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <location filename="../src/shell/GameMenus.h" line="29"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Malus</source>
        <translation>Malus</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="162"/>
        <source>Reset High Scores</source>
        <translation>Bestenliste zurücksetzen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Best</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Longest</source>
        <translation>Längste</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="199"/>
        <source>No game has been counted yet.</source>
        <translation>Es wurde noch kein Spiel gezählt.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="203"/>
        <source>Reset Statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="211"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="213"/>
        <source>Return to Velmor</source>
        <translation>Zurück zu Velmor</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="94"/>
        <source>%1 • in play</source>
        <translation>%1 • im Spiel</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="103"/>
        <source>Velmor - Choose Layout</source>
        <translation>Velmor - Layout wählen</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="108"/>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="110"/>
        <source>Type part of a layout&apos;s name</source>
        <translation>Teil eines Layout-Namens eingeben</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="172"/>
        <source>Double-click a layout or press Return to play it.</source>
        <translation>Doppelklicken Sie auf ein Layout oder drücken Sie die Eingabetaste, um es zu spielen.</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="175"/>
        <source>&amp;Play Layout</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="74"/>
        <source>&amp;Play</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="177"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="226"/>
        <source>No layout&apos;s name holds “%1”.</source>
        <translation>Kein Layout-Name enthält „%1“.</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="199"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="123"/>
        <source>Tiles left</source>
        <translation>Steine übrig</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="208"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="124"/>
        <source>Layout Name</source>
        <translation>Layout-Name</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="123"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="122"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="124"/>
        <source>Shuffle</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location filename="../src/platform/QtPlatform.cpp" line="173"/>
        <source>No preview</source>
        <translation>Keine Vorschau</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="82"/>
        <location filename="../src/shell/DeadEnd.cpp" line="27"/>
        <source>      SORRY, NO MORE MOVES !!</source>
        <translation>      LEIDER KEINE ZÜGE MEHR!!</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="89"/>
        <source>Player 1 %1  ·  ▶ Player 2 %2</source>
        <translation>Spieler 1 %1  ·  ▶ Spieler 2 %2</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="90"/>
        <source>▶ Player 1 %1  ·  Player 2 %2</source>
        <translation>▶ Spieler 1 %1  ·  Spieler 2 %2</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="98"/>
        <location filename="../src/shell/GameKeeper.cpp" line="136"/>
        <source>&amp;Continue</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="99"/>
        <location filename="../src/shell/GameKeeper.cpp" line="137"/>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="107"/>
        <location filename="../src/shell/ClockAndStatus.cpp" line="135"/>
        <location filename="../src/shell/GameCommands.cpp" line="26"/>
        <location filename="../src/shell/GameCommands.cpp" line="144"/>
        <location filename="../src/shell/GameMenus.h" line="64"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="108"/>
        <location filename="../src/shell/ClockAndStatus.cpp" line="136"/>
        <location filename="../src/shell/GameCommands.cpp" line="25"/>
        <location filename="../src/shell/GameCommands.cpp" line="143"/>
        <location filename="../src/shell/GameMenus.h" line="63"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location filename="../src/shell/Editor.cpp" line="19"/>
        <source>New Layout</source>
        <translation>Neues Layout</translation>
    </message>
    <message>
        <location filename="../src/shell/Editor.cpp" line="48"/>
        <source>You haven&apos;t finished building the layout yet !</source>
        <translation>Das Layout ist noch nicht fertig gebaut!</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="59"/>
        <source>Vertical variation</source>
        <translation>Vertikale Variante</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="60"/>
        <source>If you want to change the game mode, you&apos;ll have to restart your game. Do you wish to continue ?</source>
        <translation>Um die Spielart zu wechseln, müssen Sie Ihr Spiel neu beginnen. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="91"/>
        <source>The layout &quot;%1&quot; has %2 tiles; a layout needs an even number of tiles from 2 to 144.</source>
        <translation>Das Layout „%1“ hat %2 Steine; ein Layout braucht eine gerade Anzahl von 2 bis 144 Steinen.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="124"/>
        <source>This layout cannot be dealt winnable: dealt at random.</source>
        <translation>Dieses Layout lässt sich nicht lösbar verteilen: zufällig verteilt.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="157"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="100"/>
        <source>Specific Board started. Random Seed #%1</source>
        <translation>Spiel mit Nummer gestartet. Spielnummer #%1</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="160"/>
        <source>New game started.</source>
        <translation>Neues Spiel gestartet.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="172"/>
        <source>Velmor %1 - Voverizo Dadazu (Hard)</source>
        <translation>Velmor %1 - Voverizo Dadazu (schwer)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="174"/>
        <source>Velmor %1 - Voverizo Dadazu (Easy)</source>
        <translation>Velmor %1 - Voverizo Dadazu (leicht)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="176"/>
        <source>Velmor %1 - %2 - game %3</source>
        <translation>Velmor %1 - %2 - Spiel %3</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="177"/>
        <source>Velmor %1 - %2</source>
        <translation>Velmor %1 - %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="179"/>
        <source>Velmor %1 - game %2</source>
        <translation>Velmor %1 - Spiel %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="180"/>
        <source>Velmor %1</source>
        <translation>Velmor %1</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="85"/>
        <source>cannot create the folder &quot;%1&quot;: %2</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="86"/>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="14"/>
        <source>Velmor saved games (*.vsave)|*.vsave</source>
        <translation>Velmor-Spielstände (*.vsave)|*.vsave</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="29"/>
        <source>The game in progress could not be kept: %1.</source>
        <translation>Das laufende Spiel konnte nicht gesichert werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="42"/>
        <source>The game in progress cannot be continued: %1.</source>
        <translation>Das laufende Spiel kann nicht fortgesetzt werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="46"/>
        <source>Game resumed.</source>
        <translation>Spiel fortgesetzt.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="56"/>
        <source>The game in progress cannot be continued: %1. It was kept as &quot;%2&quot;. A new game starts.</source>
        <translation>Das laufende Spiel kann nicht fortgesetzt werden: %1. Es wurde als „%2“ aufbewahrt. Ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="59"/>
        <source>The game in progress cannot be continued: %1. A new game starts.</source>
        <translation>Das laufende Spiel kann nicht fortgesetzt werden: %1. Ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="71"/>
        <source>There is no game in progress to save.</source>
        <translation>Es läuft kein Spiel, das gespeichert werden könnte.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="75"/>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="81"/>
        <source>The game was not saved: %1.</source>
        <translation>Das Spiel wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="85"/>
        <source>Game saved as &quot;%1&quot;.</source>
        <translation>Spiel gespeichert als „%1“.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="91"/>
        <location filename="../src/shell/GameKeeper.cpp" line="101"/>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="97"/>
        <location filename="../src/shell/GameKeeper.cpp" line="106"/>
        <source>The saved game cannot be loaded: %1.</source>
        <translation>Der Spielstand kann nicht geladen werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="102"/>
        <source>A game is in progress. Leave it and load &quot;%1&quot;?</source>
        <translation>Ein Spiel läuft gerade. Wollen Sie es verlassen und „%1“ laden?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="111"/>
        <source>Game loaded.</source>
        <translation>Spiel geladen.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="121"/>
        <source>its layout &quot;%1&quot; is no longer there</source>
        <translation>das Layout „%1“ ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="88"/>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="89"/>
        <source>Undo move</source>
        <translation>Zug zurücknehmen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="90"/>
        <source>Redo move</source>
        <translation>Zug wiederholen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="91"/>
        <source>Show possible moves</source>
        <translation>Mögliche Züge zeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="92"/>
        <source>Shuffle tiles</source>
        <translation>Steine mischen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="93"/>
        <source>Pause game</source>
        <translation>Spiel anhalten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="94"/>
        <source>Pause music</source>
        <translation>Musik anhalten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="96"/>
        <source>About Velmor</source>
        <translation>Über Velmor</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="98"/>
        <source>Quit Velmor</source>
        <translation>Velmor beenden</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="27"/>
        <source>Moves left</source>
        <translation>Züge übrig</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="31"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="33"/>
        <source>&amp;Show Time Left</source>
        <translation>&amp;Spielzeit anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="34"/>
        <source>Show &amp;Moves Left</source>
        <translation>Verbleibende &amp;Züge anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="35"/>
        <source>Cool Status</source>
        <translation>Schicke Statusleiste</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="38"/>
        <source>M&amp;usic</source>
        <translation>M&amp;usik</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="39"/>
        <source>Random Music</source>
        <translation>Zufällige Musik</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="40"/>
        <source>Play music</source>
        <translation>Musik abspielen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="41"/>
        <source>Play sound effects</source>
        <translation>Klangeffekte abspielen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="42"/>
        <source>Run music automatically at startup</source>
        <translation>Musik beim Start automatisch abspielen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="43"/>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="44"/>
        <source>Music &amp;Volume</source>
        <translation>Musik&amp;lautstärke</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="45"/>
        <source>E&amp;ffects Volume</source>
        <translation>&amp;Effektlautstärke</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="48"/>
        <source>Mah-Jongg Solitaire : New Fully Random Game</source>
        <translation>Mah-Jongg-Solitär: Neues Zufallsspiel</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="51"/>
        <source>Mah-Jongg Solitaire : New Random Specific Game</source>
        <translation>Mah-Jongg-Solitär: Neues Spiel mit Zufallsnummer</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="52"/>
        <source>Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Mah-Jongg-Solitär: Neues Spiel mit Nummer</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="53"/>
        <source>Solitaire (1-player)</source>
        <translation>Solitär (1 Spieler)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="54"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="55"/>
        <source>Winnable Layouts (in at least one way)</source>
        <translation>Lösbare Spiele (mindestens ein Lösungsweg)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="56"/>
        <source>Winnable Shuffles (in at least one way)</source>
        <translation>Lösbares Mischen (mindestens ein Lösungsweg)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="57"/>
        <source>Animate Board while building the tiles</source>
        <translation>Aufbau der Steine animieren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="59"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="60"/>
        <source>Vertical Variation</source>
        <translation>Vertikale Variante</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="61"/>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="62"/>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="65"/>
        <source>&amp;Layout</source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="66"/>
        <source>&amp;Choose Layout…</source>
        <translation>&amp;Layout wählen…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="67"/>
        <source>&amp;Import Layout…</source>
        <translation>Layout &amp;importieren…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="68"/>
        <source>Create Layout</source>
        <translation>Layout erstellen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="69"/>
        <source>Edit Layout</source>
        <translation>Layout bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="73"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="75"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="76"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="77"/>
        <source>Hi&amp;ghlight</source>
        <translation>&amp;Markierung</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="78"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="81"/>
        <source>Mah-Jongg Solitaire : New 2-Player Game</source>
        <translation>Mah-Jongg-Solitär: Neues Spiel für 2 Spieler</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="82"/>
        <source>Mah-Jongg Rivers : New Game (Easy)</source>
        <translation>Mah-Jongg-Flüsse: Neues Spiel (leicht)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="83"/>
        <source>Mah-Jongg Rivers : New Game (Hard)</source>
        <translation>Mah-Jongg-Flüsse: Neues Spiel (schwer)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="84"/>
        <source>Solitaire (2-player)</source>
        <translation>Solitär (2 Spieler)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="85"/>
        <source>MJ Rivers (Easy)</source>
        <translation>MJ-Flüsse (leicht)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="86"/>
        <source>MJ Rivers (Hard)</source>
        <translation>MJ-Flüsse (schwer)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="87"/>
        <source>&amp;Save Game…</source>
        <translation>Spiel &amp;speichern…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="88"/>
        <source>&amp;Load Game…</source>
        <translation>Spiel &amp;laden…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="89"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="90"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="91"/>
        <source>R&amp;edo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="92"/>
        <source>&amp;Restart</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="93"/>
        <source>Can I Still &amp;Win?</source>
        <translation>&amp;Kann ich noch gewinnen?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="94"/>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="95"/>
        <source>Watch Winnability</source>
        <translation>Lösbarkeit überwachen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="97"/>
        <source>&amp;Stop</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="98"/>
        <source>Shu&amp;ffle</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="99"/>
        <source>Show &amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="100"/>
        <source>Show Status Bar</source>
        <translation>Statusleiste anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="101"/>
        <source>Show Hall of &amp;Fame</source>
        <translation>&amp;Bestenliste anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="102"/>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="103"/>
        <source>Cool Toolbar</source>
        <translation>Schicke Werkzeugleiste</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="104"/>
        <source>Cool Buttons</source>
        <translation>Schicke Schaltflächen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="105"/>
        <source>Cool Menu</source>
        <translation>Schickes Menü</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="106"/>
        <source>Cool Mouse</source>
        <translation>Schicker Mauszeiger</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="107"/>
        <source>Show Current Tile</source>
        <translation>Aktuellen Stein anzeigen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="108"/>
        <source>Only Possible Moves</source>
        <translation>Nur mögliche Züge</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="109"/>
        <source>Switch to 800x600 at startup</source>
        <translation>Beim Start auf 800x600 umschalten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="110"/>
        <source>Begin game directly at startup</source>
        <translation>Beim Start sofort ein Spiel beginnen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="111"/>
        <source>Resume Last Game</source>
        <translation>Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="112"/>
        <source>Enable time tracking for the Hall of fame</source>
        <translation>Zeitmessung für die Bestenliste aktivieren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="113"/>
        <source>Animate Tile Rivers in Voverizo Dadazu</source>
        <translation>Steinflüsse in Voverizo Dadazu animieren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="114"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="116"/>
        <source>French Help</source>
        <translation>Französische Hilfe</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="117"/>
        <source>View Tiles</source>
        <translation>Steine ansehen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="118"/>
        <source>&amp;Player Name</source>
        <translation>&amp;Spielername</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="119"/>
        <source>&amp;Hall of Fame</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="120"/>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="121"/>
        <source>&amp;About...</source>
        <translation>Übe&amp;r...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="158"/>
        <location filename="../src/shell/GameMenus.h" line="162"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="132"/>
        <location filename="../src/shell/GameMenus.h" line="150"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="133"/>
        <source>Red Rectangle</source>
        <translation>Roter Rahmen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="134"/>
        <source>Colored Tile</source>
        <translation>Farbiger Stein</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="135"/>
        <source>Green Rectangle</source>
        <translation>Grüner Rahmen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="136"/>
        <source>Blue Rectangle</source>
        <translation>Blauer Rahmen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="137"/>
        <source>&amp;Invert selection</source>
        <translation>Auswahl &amp;invertieren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="138"/>
        <source>Enable 3D shadows on tilesets</source>
        <translation>3D-Schatten für Steine aktivieren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="141"/>
        <source>Tileset</source>
        <translation>Steinsatz</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="142"/>
        <location filename="../src/shell/GameMenus.h" line="149"/>
        <source>Load from disk</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="143"/>
        <source>Orange borders</source>
        <translation>Orange Ränder</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="144"/>
        <source>Dark borders</source>
        <translation>Dunkle Ränder</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="145"/>
        <source>Blue borders</source>
        <translation>Blaue Ränder</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="146"/>
        <source>Few Colors</source>
        <translation>Wenige Farben</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="147"/>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="148"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="151"/>
        <source>&amp;Dragons</source>
        <translation>&amp;Drachen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="152"/>
        <source>Andromeda</source>
        <translation>Andromeda</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="153"/>
        <source>&amp;Kanji (classic)</source>
        <translation>&amp;Kanji (klassisch)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="154"/>
        <source>Catpats</source>
        <translation>Catpats</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="159"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="160"/>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="161"/>
        <source>Try it</source>
        <translation>Ausprobieren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="163"/>
        <source>Move Board</source>
        <translation>Spielfeld verschieben</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="164"/>
        <source>Move to left &lt;</source>
        <translation>Nach links &lt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="165"/>
        <source>Move to right &gt;</source>
        <translation>Nach rechts &gt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="166"/>
        <source>Move to top /\</source>
        <translation>Nach oben /\</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="167"/>
        <source>Move to bottom \/</source>
        <translation>Nach unten \/</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="14"/>
        <source>The statistics could not be read: %1. They are not counted this time.</source>
        <translation>Die Statistik konnte nicht gelesen werden: %1. Diesmal wird nichts gezählt.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="44"/>
        <location filename="../src/shell/Help.cpp" line="113"/>
        <source>Please confirm...</source>
        <translation>Bitte bestätigen...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="45"/>
        <source>Do you really want to reset the statistics of every layout and of Voverizo Dadazu ?</source>
        <translation>Wollen Sie die Statistik aller Layouts und von Voverizo Dadazu wirklich zurücksetzen?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="61"/>
        <source>The statistics were not saved: %1.</source>
        <translation>Die Statistik wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="38"/>
        <source>Player 2 WON ! Congratulations !</source>
        <translation>Spieler 2 HAT GEWONNEN! Glückwunsch!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="41"/>
        <source>Same score for both players !</source>
        <translation>Gleichstand für beide Spieler!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="44"/>
        <source>Player 1 WON ! Congratulations !</source>
        <translation>Spieler 1 HAT GEWONNEN! Glückwunsch!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="58"/>
        <source>The demo cleared the board.</source>
        <translation>Die Demo hat das Spielfeld abgeräumt.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="67"/>
        <source>Congratulations !! You WON !</source>
        <translation>Glückwunsch!! Sie haben GEWONNEN!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="69"/>
        <source>You WON ! Your time is : %1</source>
        <translation>Sie haben GEWONNEN! Ihre Zeit: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="96"/>
        <source>Two-Player Solitaire started.</source>
        <translation>Solitär für zwei Spieler gestartet.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="116"/>
        <source>PLAY 1</source>
        <translation>SPIELER 1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="117"/>
        <source>PLAY 2</source>
        <translation>SPIELER 2</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="140"/>
        <source>The Hall of Fame could not be read: %1.</source>
        <translation>Die Bestenliste konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="159"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="166"/>
        <source>The Hall of Fame was not saved: %1.</source>
        <translation>Die Bestenliste wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="185"/>
        <source>HALL OF</source>
        <translation>BESTEN-</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="186"/>
        <source>FAME</source>
        <translation>LISTE</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="19"/>
        <source>The Hall of Fame of &quot;%1&quot; held 1 unreadable entry; it was replaced by empty places.</source>
        <translation>Die Bestenliste von „%1“ enthielt 1 unlesbaren Eintrag; er wurde durch einen leeren Platz ersetzt.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="20"/>
        <source>The Hall of Fame of &quot;%1&quot; held %2 unreadable entries; they were replaced by empty places.</source>
        <translation>Die Bestenliste von „%1“ enthielt %2 unlesbare Einträge; sie wurden durch leere Plätze ersetzt.</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="32"/>
        <source>%1 Layout</source>
        <translation>Layout %1</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Craks (4 times each)</source>
        <translation>Zeichen (je 4-mal)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Bamboos (4 times each)</source>
        <translation>Bambus (je 4-mal)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Dots (4 times each)</source>
        <translation>Kreise (je 4-mal)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Flowers (once each)</source>
        <translation>Blumen (je einmal)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Seasons (once each)</source>
        <translation>Jahreszeiten (je einmal)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Winds (4 times each)</source>
        <translation>Winde (je 4-mal)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="62"/>
        <source>Dragons (4 times each)</source>
        <translation>Drachen (je 4-mal)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="70"/>
        <source>You reached rank #%1, %2 !</source>
        <translation>Sie haben Platz #%1 erreicht, %2!</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="114"/>
        <source>Do you really want to remove the Hall of Fame entries for this layout ?</source>
        <translation>Wollen Sie die Einträge der Bestenliste für dieses Layout wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="100"/>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="105"/>
        <source>&quot;%1&quot; is not a plain file</source>
        <translation>„%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="109"/>
        <location filename="../src/shell/IniFile.cpp" line="115"/>
        <source>&quot;%1&quot; is too large to be a settings file</source>
        <translation>„%1“ ist zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="300"/>
        <source>no settings file was read, so none can be written</source>
        <translation>es wurde keine Einstellungsdatei gelesen, also kann auch keine geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <source>Greensleeves</source>
        <translation>Greensleeves</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Jasmine</source>
        <translation>Jasmin</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Lanterns</source>
        <translation>Laternen</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="17"/>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="17"/>
        <source>Sakura</source>
        <translation>Sakura</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="45"/>
        <source>No tune was found in &quot;%1&quot;. Velmor needs its tunes (.mid files) there.</source>
        <translation>In „%1“ wurde keine Melodie gefunden. Velmor braucht dort seine Melodien (.mid-Dateien).</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="74"/>
        <source>No music: %1.</source>
        <translation>Keine Musik: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="59"/>
        <source>System</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="74"/>
        <source>Velmor cannot speak this language: %1.</source>
        <translation>Velmor kann diese Sprache nicht sprechen: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="17"/>
        <source>Layouts from other games (*.layout *.map)|*.layout;*.map</source>
        <translation>Layouts aus anderen Spielen (*.layout *.map)|*.layout;*.map</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="42"/>
        <location filename="../src/shell/LayoutChoice.cpp" line="70"/>
        <source>Import Layout</source>
        <translation>Layout importieren</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="50"/>
        <source>%1. No layout was imported.</source>
        <translation>%1. Es wurde kein Layout importiert.</translation>
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
        <translation>Das Layout „%1“ existiert bereits. Wollen Sie es ersetzen?</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="84"/>
        <source>From &quot;%1&quot;:</source>
        <translation>Aus „%1“:</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="86"/>
        <source>%1
Imported into the Layout menu: %2.</source>
        <translation>%1
Ins Menü Layout importiert: %2.</translation>
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
Abgelehnt: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="93"/>
        <source>%1
Kept as they were: %2.</source>
        <translation>%1
Unverändert belassen: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="95"/>
        <source>%1
No layout was imported.</source>
        <translation>%1
Es wurde kein Layout importiert.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="100"/>
        <source>%1
The Layout menu holds %2 layouts at most; %3 were left out: %4.</source>
        <translation>%1
Das Menü Layout fasst höchstens %2 Layouts; %3 wurden weggelassen: %4.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="69"/>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="70"/>
        <source>No heap of its own</source>
        <translation>Kein eigener Stapel</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layer</source>
        <translation>%1 Ebene</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layers</source>
        <translation>%1 Ebenen</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Best %1</source>
        <translation>Bestzeit %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Not won yet</source>
        <translation>Noch nicht gewonnen</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once, best %1</source>
        <translation>Einmal gewonnen, Bestzeit %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once</source>
        <translation>Einmal gewonnen</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="78"/>
        <source>Won %1 times, best %2</source>
        <translation>%1-mal gewonnen, Bestzeit %2</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="79"/>
        <source>Won %1 times</source>
        <translation>%1-mal gewonnen</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="84"/>
        <source>Counting the deals that can be cleared</source>
        <translation>Die lösbaren Spiele werden gezählt</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="86"/>
        <source>%1 % of deals can be cleared</source>
        <translation>%1 % der Spiele sind lösbar</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="21"/>
        <source>Welcome to Velmor %1 : Mah-Jongg solitaire for Linux. Have fun !</source>
        <translation>Willkommen bei Velmor %1: Mah-Jongg-Solitär für Linux. Viel Spaß!</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="25"/>
        <source>Layout %1 selected.</source>
        <translation>Layout %1 ausgewählt.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="40"/>
        <source>%1 The current layout stays.</source>
        <translation>%1 Das aktuelle Layout bleibt.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="74"/>
        <source>%1 Velmor starts with the layout &quot;%2&quot; instead.</source>
        <translation>%1 Velmor startet stattdessen mit dem Layout „%2“.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="130"/>
        <source>No layout was found in &quot;%1&quot;. Velmor needs at least one layout file (.lay or .shp) there to play.</source>
        <translation>In „%1“ wurde kein Layout gefunden. Velmor braucht dort mindestens eine Layout-Datei (.lay oder .shp), um zu spielen.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="139"/>
        <source>The Layout menu holds 99 layouts at most; %1 more were left out: %2.</source>
        <translation>Das Menü Layout fasst höchstens 99 Layouts; %1 weitere wurden weggelassen: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="173"/>
        <source>Please choose a name for your layout file</source>
        <translation>Bitte wählen Sie einen Namen für Ihre Layout-Datei</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="174"/>
        <source>LAY Layout files (*.lay)|*.lay</source>
        <translation>LAY-Layout-Dateien (*.lay)|*.lay</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="184"/>
        <source>Save layout</source>
        <translation>Layout speichern</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="185"/>
        <source>The layout file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Die Layout-Datei „%1“ existiert bereits. Wollen Sie sie ersetzen?</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="199"/>
        <source>The layout was not saved: %1.</source>
        <translation>Das Layout wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="218"/>
        <source>The layout was saved, but the Layout menu holds 99 layouts at most, so it is not listed.</source>
        <translation>Das Layout wurde gespeichert, aber das Menü Layout fasst höchstens 99 Layouts, daher erscheint es dort nicht.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="18"/>
        <source>The picture &quot;%1&quot; could not be loaded: %2.</source>
        <translation>Das Bild „%1“ konnte nicht geladen werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="44"/>
        <source>Please choose a Tileset bitmap file</source>
        <translation>Bitte wählen Sie eine Bilddatei für den Steinsatz</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="45"/>
        <source>Tileset files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>Steinsatz-Bilder (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="63"/>
        <source>Please choose a Background bitmap file</source>
        <translation>Bitte wählen Sie eine Bilddatei für den Hintergrund</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="64"/>
        <source>Background files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>Hintergrundbilder (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Platform.h" line="54"/>
        <source>there is no sound here</source>
        <translation>auf diesem System gibt es keinen Ton</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="115"/>
        <source>Game restarted.</source>
        <translation>Spiel neu gestartet.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="142"/>
        <source>Tiles shuffled. %1 new moves found.</source>
        <translation>Steine gemischt. %1 neue Züge gefunden.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="144"/>
        <source>Tiles shuffled. 1 new move found.</source>
        <translation>Steine gemischt. 1 neuer Zug gefunden.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="146"/>
        <source>No moves found. Try to press Back a few times.</source>
        <translation>Keine Züge gefunden. Drücken Sie ein paarmal auf Zurück.</translation>
    </message>
    <message>
        <location filename="../src/shell/Rivers.cpp" line="23"/>
        <source>Voverizo Dadazu started.</source>
        <translation>Voverizo Dadazu gestartet.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="92"/>
        <source>The text does not begin with {\rtf, so it is not RTF.</source>
        <translation>Der Text beginnt nicht mit {\rtf, ist also kein RTF.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="101"/>
        <source>The groups are nested deeper than %1 levels.</source>
        <translation>Die Gruppen sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="154"/>
        <source>The text ends inside an open group, so it is cut short or a &apos;}&apos; is missing.</source>
        <translation>Der Text endet in einer offenen Gruppe; er ist also abgeschnitten, oder es fehlt eine &apos;}&apos;.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="159"/>
        <source>A &apos;}&apos; closes a group that was never opened.</source>
        <translation>Eine &apos;}&apos; schließt eine Gruppe, die nie geöffnet wurde.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="486"/>
        <source>The text is larger than %1 MB, too large for a help text.</source>
        <translation>Der Text ist größer als %1 MB und damit zu groß für einen Hilfetext.</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="18"/>
        <source>there is no file &quot;%1&quot;</source>
        <translation>es gibt keine Datei „%1“</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="38"/>
        <source>too many damaged copies of &quot;%1&quot; lie beside it</source>
        <translation>neben „%1“ liegen zu viele beschädigte Kopien</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="44"/>
        <source>cannot rename &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht umbenannt werden: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="16"/>
        <source>The solver answers in a one-player game.</source>
        <translation>Der Löser antwortet nur im Spiel für einen Spieler.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="21"/>
        <source>Looking for a way to clear the board...</source>
        <translation>Suche nach einem Lösungsweg...</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="36"/>
        <source>Looking for a way to clear the board</source>
        <translation>Suche nach einem Lösungsweg</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="65"/>
        <source>Still winnable.</source>
        <translation>Noch lösbar.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="66"/>
        <source>Still winnable</source>
        <translation>Noch lösbar</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="70"/>
        <source>No longer winnable — go back %1 pair.</source>
        <translation>Nicht mehr lösbar – gehen Sie %1 Paar zurück.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="72"/>
        <source>No longer winnable — go back %1 pairs.</source>
        <translation>Nicht mehr lösbar – gehen Sie %1 Paare zurück.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="74"/>
        <source>No longer winnable.</source>
        <translation>Nicht mehr lösbar.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="75"/>
        <source>No longer winnable</source>
        <translation>Nicht mehr lösbar</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="78"/>
        <source>The solver could not tell in time whether the game can still be won.</source>
        <translation>Der Löser konnte nicht rechtzeitig feststellen, ob das Spiel noch zu gewinnen ist.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="79"/>
        <source>Not known whether the game can still be won</source>
        <translation>Unbekannt, ob das Spiel noch zu gewinnen ist</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="120"/>
        <source>Demo: the game plays itself. Click or press a key to take over.</source>
        <translation>Demo: Das Spiel spielt sich selbst. Klicken Sie oder drücken Sie eine Taste, um zu übernehmen.</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="101"/>
        <source>Game paused: press F12 or click Play to go on.</source>
        <translation>Spiel angehalten: F12 drücken oder auf Spielen klicken, um weiterzuspielen.</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="56"/>
        <source>Back 1 pair and it can be won</source>
        <translation>1 Paar zurück, und es ist zu gewinnen</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="57"/>
        <source>Back %1 pairs and it can be won</source>
        <translation>%1 Paare zurück, und es ist zu gewinnen</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="127"/>
        <source>Demo stopped.</source>
        <translation>Demo beendet.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="149"/>
        <source>Demo: no move is left.</source>
        <translation>Demo: Kein Zug mehr möglich.</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Very Quiet</source>
        <translation>Sehr leise</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="15"/>
        <source>Quiet</source>
        <translation>Leise</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="15"/>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="16"/>
        <source>Loud</source>
        <translation>Laut</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="16"/>
        <source>Full</source>
        <translation>Voll</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="56"/>
        <source>The settings could not be read: %1. The defaults apply.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden: %1. Es gelten die Standardwerte.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="118"/>
        <source>Velmor cannot start without a readable layout.</source>
        <translation>Velmor kann ohne lesbares Layout nicht starten.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="145"/>
        <source>The help text &quot;%1&quot; could not be read: %2. Velmor cannot start without it.</source>
        <translation>Der Hilfetext „%1“ konnte nicht gelesen werden: %2. Ohne ihn kann Velmor nicht starten.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="188"/>
        <source>The settings were not saved: %1.</source>
        <translation>Die Einstellungen wurden nicht gespeichert: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="13"/>
        <source>The statistics file is too large to be read; the statistics start afresh.</source>
        <translation>Die Statistikdatei ist zu groß zum Lesen; die Statistik beginnt von vorn.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="14"/>
        <source>Some statistics could not be read and count as zero: %1.</source>
        <translation>Einige Statistikwerte konnten nicht gelesen werden und zählen als null: %1.</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="14"/>
        <source>Cat</source>
        <translation>Katze</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="117"/>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="203"/>
        <source>Butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="262"/>
        <source>Owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="317"/>
        <source>Turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="402"/>
        <source>Snail</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="14"/>
        <source>Castle</source>
        <translation>Burg</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="63"/>
        <source>Temple</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="118"/>
        <source>Lighthouse</source>
        <translation>Leuchtturm</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="188"/>
        <source>Arch</source>
        <translation>Torbogen</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="248"/>
        <source>Pagoda</source>
        <translation>Pagode</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="16"/>
        <source>Traditional</source>
        <translation>Traditionell</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="101"/>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="188"/>
        <source>Bridge</source>
        <translation>Brücke</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="272"/>
        <source>Fortress</source>
        <translation>Festung</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="363"/>
        <source>Crab</source>
        <translation>Krabbe</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="450"/>
        <source>Archipelago</source>
        <translation>Archipel</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="495"/>
        <source>Towers</source>
        <translation>Türme</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="599"/>
        <source>Brickwork</source>
        <translation>Mauerwerk</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="660"/>
        <source>Spiral</source>
        <translation>Spirale</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="16"/>
        <source>Meadow</source>
        <translation>Wiese</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="58"/>
        <source>Garden</source>
        <translation>Garten</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="102"/>
        <source>Stones</source>
        <translation>Trittsteine</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="149"/>
        <source>Honeycomb</source>
        <translation>Bienenwabe</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="195"/>
        <source>Waves</source>
        <translation>Wellen</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="241"/>
        <source>Checkers</source>
        <translation>Schachbrett</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="288"/>
        <source>Scales</source>
        <translation>Schuppen</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="16"/>
        <source>Vault</source>
        <translation>Tresor</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="61"/>
        <source>Monolith</source>
        <translation>Monolith</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="126"/>
        <source>Obelisk</source>
        <translation>Obelisk</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="235"/>
        <source>Ziggurat</source>
        <translation>Zikkurat</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="318"/>
        <source>Volcano</source>
        <translation>Vulkan</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="405"/>
        <source>Columns</source>
        <translation>Säulen</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="488"/>
        <source>Mountain</source>
        <translation>Berg</translation>
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
        <translation>Herz</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="257"/>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="318"/>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="393"/>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="467"/>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
</context>
</TS>
