<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>velmor</name>
    <message>
        <location filename="../src/base/Midi.cpp" line="71"/>
        <location filename="../src/base/Midi.cpp" line="76"/>
        <location filename="../src/base/Midi.cpp" line="115"/>
        <source>a track ends in the middle of an event</source>
        <translation>een spoor eindigt midden in een gebeurtenis</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="83"/>
        <source>a track has a data byte where an event should start</source>
        <translation>een spoor heeft een databyte waar een gebeurtenis zou moeten beginnen</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="100"/>
        <source>a track holds a system message that has no place in a file</source>
        <translation>een spoor bevat een systeembericht dat niet in een bestand thuishoort</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="147"/>
        <source>not a MIDI file</source>
        <translation>geen MIDI-bestand</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="151"/>
        <source>its header is cut short</source>
        <translation>de header is onvolledig</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="155"/>
        <source>MIDI format %1 is not one of 0, 1 and 2</source>
        <translation>MIDI-formaat %1 is niet 0, 1 of 2</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="159"/>
        <source>it has no track</source>
        <translation>het bevat geen enkel spoor</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="171"/>
        <source>its time division is zero</source>
        <translation>de tijdsindeling is nul</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="177"/>
        <source>it has %1 of its %2 tracks</source>
        <translation>het bevat maar %1 van zijn %2 sporen</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="181"/>
        <source>a track runs past the end of the file</source>
        <translation>een spoor loopt door voorbij het einde van het bestand</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Crak %1</source>
        <translation>Karakter %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Bamboo %1</source>
        <translation>Bamboe %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Dot %1</source>
        <translation>Cirkel %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Plum</source>
        <translation>Bloem: Pruimenbloesem</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Orchid</source>
        <translation>Bloem: Orchidee</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Chrysanthemum</source>
        <translation>Bloem: Chrysant</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Bamboo</source>
        <translation>Bloem: Bamboe</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Spring</source>
        <translation>Seizoen: Lente</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Summer</source>
        <translation>Seizoen: Zomer</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Autumn</source>
        <translation>Seizoen: Herfst</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Winter</source>
        <translation>Seizoen: Winter</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Red Dragon</source>
        <translation>Rode draak</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Green Dragon</source>
        <translation>Groene draak</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>White Dragon</source>
        <translation>Witte draak</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>East Wind</source>
        <translation>Oostenwind</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>South Wind</source>
        <translation>Zuidenwind</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>West Wind</source>
        <translation>Westenwind</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="18"/>
        <source>North Wind</source>
        <translation>Noordenwind</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="21"/>
        <source>blocked</source>
        <translation>vast</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="22"/>
        <source>free</source>
        <translation>vrij</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="23"/>
        <source>blocked, picked</source>
        <translation>vast, geselecteerd</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="24"/>
        <source>free, picked</source>
        <translation>vrij, geselecteerd</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="25"/>
        <source>blocked, hinted</source>
        <translation>vast, als hint gemarkeerd</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="26"/>
        <source>free, hinted</source>
        <translation>vrij, als hint gemarkeerd</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="27"/>
        <source>blocked, picked, hinted</source>
        <translation>vast, geselecteerd, als hint gemarkeerd</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="28"/>
        <source>free, picked, hinted</source>
        <translation>vrij, geselecteerd, als hint gemarkeerd</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="29"/>
        <source>%1, layer %2, row %3, column %4</source>
        <translation>%1, laag %2, rij %3, kolom %4</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="51"/>
        <source>the JPEG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>de JPEG-afbeelding is te groot (%1 x %2, hoogstens %3 per zijde)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="58"/>
        <location filename="../src/display/Jpeg.cpp" line="237"/>
        <source>not a JPEG picture</source>
        <translation>geen JPEG-afbeelding</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="61"/>
        <location filename="../src/display/Jpeg.cpp" line="89"/>
        <location filename="../src/display/Jpeg.cpp" line="136"/>
        <location filename="../src/display/Jpeg.cpp" line="156"/>
        <source>the JPEG picture is truncated</source>
        <translation>de JPEG-afbeelding is onvolledig</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="63"/>
        <location filename="../src/display/Jpeg.cpp" line="185"/>
        <source>the JPEG picture has no pixels</source>
        <translation>de JPEG-afbeelding heeft geen pixels</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="67"/>
        <location filename="../src/display/Jpeg.cpp" line="216"/>
        <source>not enough memory to decode the JPEG picture</source>
        <translation>niet genoeg geheugen om de JPEG-afbeelding te decoderen</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="71"/>
        <source>cannot decode the JPEG picture: %1</source>
        <translation>kan de JPEG-afbeelding niet decoderen: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="93"/>
        <source>the JPEG picture is damaged: %1</source>
        <translation>de JPEG-afbeelding is beschadigd: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="102"/>
        <source>the JPEG picture has too many scans</source>
        <translation>de JPEG-afbeelding heeft te veel scans</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="203"/>
        <source>the JPEG picture has an unsupported colour layout (%1 components)</source>
        <translation>de JPEG-afbeelding heeft een niet-ondersteunde kleurindeling (%1 componenten)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="233"/>
        <source>the JPEG data is empty</source>
        <translation>de JPEG-gegevens zijn leeg</translation>
    </message>
    <message>
        <location filename="../src/display/Picture.cpp" line="176"/>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="50"/>
        <source>the PNG header is damaged</source>
        <translation>de PNG-header is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="58"/>
        <source>the PNG picture has no pixels</source>
        <translation>de PNG-afbeelding heeft geen pixels</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="63"/>
        <source>the PNG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>de PNG-afbeelding is te groot (%1 x %2, hoogstens %3 per zijde)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="85"/>
        <source>the PNG picture has an unknown colour type</source>
        <translation>de PNG-afbeelding heeft een onbekend kleurtype</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="89"/>
        <source>the PNG picture has a bit depth its colour type does not allow</source>
        <translation>de PNG-afbeelding heeft een bitdiepte die haar kleurtype niet toestaat</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="93"/>
        <source>the PNG picture uses an unknown compression or filter method</source>
        <translation>de PNG-afbeelding gebruikt een onbekende compressie- of filtermethode</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="97"/>
        <source>interlaced PNG pictures cannot be read; save the picture without interlacing</source>
        <translation>interlaced PNG-afbeeldingen kunnen niet worden gelezen; sla de afbeelding op zonder interlacing</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="101"/>
        <source>the PNG picture uses an unknown interlace method</source>
        <translation>de PNG-afbeelding gebruikt een onbekende interlacemethode</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="181"/>
        <source>not enough memory to decode the PNG picture</source>
        <translation>niet genoeg geheugen om de PNG-afbeelding te decoderen</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="195"/>
        <location filename="../src/display/Png.cpp" line="207"/>
        <location filename="../src/display/Png.cpp" line="251"/>
        <location filename="../src/display/Png.cpp" line="261"/>
        <location filename="../src/display/Png.cpp" line="308"/>
        <source>the PNG picture is truncated</source>
        <translation>de PNG-afbeelding is onvolledig</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="211"/>
        <source>the PNG picture data is damaged</source>
        <translation>de gegevens van de PNG-afbeelding zijn beschadigd</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="238"/>
        <source>not a PNG picture</source>
        <translation>geen PNG-afbeelding</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="257"/>
        <source>the PNG picture is damaged</source>
        <translation>de PNG-afbeelding is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="267"/>
        <source>the PNG picture is damaged (a checksum does not match)</source>
        <translation>de PNG-afbeelding is beschadigd (een controlesom klopt niet)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="273"/>
        <source>the PNG picture has no header</source>
        <translation>de PNG-afbeelding heeft geen header</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="278"/>
        <source>the PNG picture has two headers</source>
        <translation>de PNG-afbeelding heeft twee headers</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="285"/>
        <source>the PNG palette is damaged</source>
        <translation>het PNG-palet is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="297"/>
        <source>the PNG picture uses a feature that cannot be read (%1)</source>
        <translation>de PNG-afbeelding gebruikt een functie die niet kan worden gelezen (%1)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="302"/>
        <source>the PNG picture has no palette</source>
        <translation>de PNG-afbeelding heeft geen palet</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="323"/>
        <source>the PNG picture data is damaged (an unknown row filter)</source>
        <translation>de gegevens van de PNG-afbeelding zijn beschadigd (een onbekend rijfilter)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="344"/>
        <source>the PNG picture uses a colour its palette does not have</source>
        <translation>de PNG-afbeelding gebruikt een kleur die niet in haar palet staat</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="13"/>
        <source>it has %1 tiles; a heap needs exactly %2</source>
        <translation>ze telt %1 stenen; een stapel heeft er precies %2 nodig</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="23"/>
        <source>a tile lies below the bottom layer (layer %1)</source>
        <translation>een steen ligt onder de onderste laag (laag %1)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="27"/>
        <source>it has %1 layers; the board holds %2</source>
        <translation>ze heeft %1 lagen; het bord heeft plaats voor %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="33"/>
        <source>it is %1 half tiles wide; the board holds %2</source>
        <translation>ze is %1 halve stenen breed; het bord heeft plaats voor %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="37"/>
        <source>it is %1 half tiles high; the board holds %2</source>
        <translation>ze is %1 halve stenen hoog; het bord heeft plaats voor %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="51"/>
        <source>two tiles overlap on layer %1</source>
        <translation>twee stenen overlappen elkaar op laag %1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="44"/>
        <source>it is a KMahjongg layout of a version other than 1.0 and 1.1</source>
        <translation>het is een KMahjongg-opstelling van een andere versie dan 1.0 en 1.1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="45"/>
        <source>it is not a KMahjongg layout: its first line is not &quot;kmahjongg-layout-v1.0&quot; or &quot;-v1.1&quot;</source>
        <translation>het is geen KMahjongg-opstelling: de eerste regel is niet &quot;kmahjongg-layout-v1.0&quot; of &quot;-v1.1&quot;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="58"/>
        <source>its size line &quot;%1&quot; holds no size from 1 to 9999999</source>
        <translation>de regel met de afmetingen &quot;%1&quot; bevat geen afmeting van 1 tot 9999999</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="66"/>
        <source>it does not give its width, height and depth</source>
        <translation>de breedte, hoogte en diepte ontbreken</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="72"/>
        <source>its tile map has %1 cells instead of %2 x %3 x %4</source>
        <translation>de stenenkaart heeft %1 cellen in plaats van %2 x %3 x %4</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="101"/>
        <source>the file ends inside a comment</source>
        <translation>het bestand eindigt midden in een commentaar</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="103"/>
        <source>the file ends inside a CDATA section</source>
        <translation>het bestand eindigt midden in een CDATA-sectie</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="105"/>
        <source>the file ends inside an XML declaration</source>
        <translation>het bestand eindigt midden in een XML-declaratie</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="131"/>
        <source>the file ends inside a declaration</source>
        <translation>het bestand eindigt midden in een declaratie</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="161"/>
        <source>the file ends inside the tag &lt;%1&gt;</source>
        <translation>het bestand eindigt midden in de tag &lt;%1&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="172"/>
        <source>the tag &lt;%1&gt; is never closed</source>
        <translation>de tag &lt;%1&gt; wordt nooit gesloten</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="186"/>
        <source>the file ends inside the value of &quot;%1&quot;</source>
        <translation>het bestand eindigt midden in de waarde van &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="264"/>
        <source>a &lt;%1&gt; has %2=&quot;%3&quot;, which is not a coordinate</source>
        <translation>een &lt;%1&gt; heeft %2=&quot;%3&quot;, wat geen coördinaat is</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="352"/>
        <source>the file ends inside this map</source>
        <translation>het bestand eindigt midden in deze kaart</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="355"/>
        <source>it is not a GNOME Mahjongg map file: it holds no &lt;map&gt;</source>
        <translation>het is geen kaartbestand van GNOME Mahjongg: het bevat geen &lt;map&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="91"/>
        <source>it is neither a KMahjongg layout nor a GNOME Mahjongg map</source>
        <translation>het is geen KMahjongg-opstelling en ook geen GNOME Mahjongg-kaart</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="97"/>
        <source>&quot;%1&quot; is too large to be a layout (%2 bytes)</source>
        <translation>&quot;%1&quot; is te groot voor een opstelling (%2 bytes)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="103"/>
        <source>&quot;%1&quot; is too large to be a layout</source>
        <translation>&quot;%1&quot; is te groot voor een opstelling</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="107"/>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <translation>&quot;%1&quot; kan niet worden geïmporteerd: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="135"/>
        <source>&quot;%1&quot; was not imported: %2</source>
        <translation>&quot;%1&quot; is niet geïmporteerd: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="40"/>
        <source>the tile map holds %1 cells instead of %2</source>
        <translation>de stenenkaart bevat %1 cellen in plaats van %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="45"/>
        <source>the tile map holds a character other than 0 or 1 at position %1</source>
        <translation>de stenenkaart bevat op positie %1 een ander teken dan 0 of 1</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="63"/>
        <source>it has %1 lines; 144 are needed</source>
        <translation>ze heeft %1 regels; er zijn er 144 nodig</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="70"/>
        <source>line %1 is shorter than 9 characters</source>
        <translation>regel %1 is korter dan 9 tekens</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="75"/>
        <source>line %1 has &quot;%2&quot; where hexadecimal coordinates belong</source>
        <translation>regel %1 heeft &quot;%2&quot; waar hexadecimale coördinaten horen</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="82"/>
        <source>line %1 places a tile outside the board (x %2, y %3, z %4)</source>
        <translation>regel %1 plaatst een steen buiten het bord (x %2, y %3, z %4)</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="117"/>
        <source>The layout could not be loaded: %1.</source>
        <translation>De opstelling kon niet worden geladen: %1.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="118"/>
        <source>The layout &quot;%1&quot; is an empty file.</source>
        <translation>De opstelling &quot;%1&quot; is een leeg bestand.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="124"/>
        <source>&quot;%1&quot; is not a layout file.</source>
        <translation>&quot;%1&quot; is geen opstellingsbestand.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="127"/>
        <source>The layout &quot;%1&quot; is damaged: %2.</source>
        <translation>De opstelling &quot;%1&quot; is beschadigd: %2.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="133"/>
        <source>&quot;%1&quot; is not a layout file: its first line is not &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; is geen opstellingsbestand: de eerste regel is niet &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="140"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds no tile.</source>
        <translation>De opstelling &quot;%1&quot; kan niet worden gespeeld: er staat geen enkele steen in.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="141"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds %2 tiles, and a deal needs an even number of tiles from 2 to 144.</source>
        <translation>De opstelling &quot;%1&quot; kan niet worden gespeeld: ze bevat %2 stenen, en een spel heeft een even aantal stenen van 2 tot 144 nodig.</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="122"/>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>&quot;%1&quot; is een map, geen bestand</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="127"/>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>kan &quot;%1&quot; niet openen: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="133"/>
        <source>cannot read &quot;%1&quot;</source>
        <translation>kan &quot;%1&quot; niet lezen</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="154"/>
        <location filename="../src/base/Files.cpp" line="164"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>kan &quot;%1&quot; niet schrijven: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="168"/>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>kan &quot;%1&quot; niet vervangen: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutInPlay.h" line="13"/>
        <location filename="../src/shell/Startup.cpp" line="112"/>
        <source>External Layout</source>
        <translation>Externe opstelling</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="130"/>
        <source>tile %1 is on the board of a game of %2</source>
        <translation>steen %1 ligt op het bord van een spel met %2 stenen</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="134"/>
        <source>the board holds %1 tiles instead of %2</source>
        <translation>het bord bevat %1 stenen in plaats van %2</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="141"/>
        <source>history entry %1 is wrong</source>
        <translation>item %1 van de geschiedenis klopt niet</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="142"/>
        <source>tile %1 is taken twice</source>
        <translation>steen %1 is twee keer weggenomen</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="145"/>
        <source>the history pairs tile %1 with tile %2, which do not match</source>
        <translation>de geschiedenis maakt een paar van steen %1 en steen %2, die niet bij elkaar passen</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="150"/>
        <source>tile %1 was taken back but does not stand where it was taken from</source>
        <translation>steen %1 is teruggelegd, maar staat niet waar hij was weggenomen</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="153"/>
        <source>tile %1 was taken but is still on the board</source>
        <translation>steen %1 is weggenomen, maar ligt nog op het bord</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="155"/>
        <source>tile %1 was taken from a place that is not free</source>
        <translation>steen %1 is weggenomen van een plek die niet vrij is</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="160"/>
        <source>a game for one player has the clocks of two</source>
        <translation>een spel voor één speler heeft de klokken van twee</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="175"/>
        <source>the flat game has a layout number</source>
        <translation>het platte spel heeft een opstellingsnummer</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="176"/>
        <source>a flat game of %1 tiles holds %2</source>
        <translation>een plat spel van %1 stenen bevat er %2</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="181"/>
        <source>tile %1 is not part of this flat game</source>
        <translation>steen %1 hoort niet bij dit platte spel</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="185"/>
        <source>a layout game has the number of a flat game</source>
        <translation>een spel op een opstelling heeft het nummer van een plat spel</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="187"/>
        <source>the layout has %1 places but the game holds %2 tiles</source>
        <translation>de opstelling heeft %1 plaatsen, maar het spel bevat %2 stenen</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="190"/>
        <source>tile %1 stands outside the layout</source>
        <translation>steen %1 staat buiten de opstelling</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="250"/>
        <source>it was saved by another version of the game</source>
        <translation>het is opgeslagen door een andere versie van het spel</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="251"/>
        <location filename="../src/shell/SavedGameFile.cpp" line="22"/>
        <source>it is not a saved game</source>
        <translation>het is geen opgeslagen spel</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="253"/>
        <location filename="../src/modes/SavedGameText.cpp" line="257"/>
        <source>it is cut short</source>
        <translation>het is onvolledig</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="260"/>
        <source>its checksum line is damaged</source>
        <translation>de regel met de controlesom is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="262"/>
        <source>it is damaged: its checksum does not match its contents</source>
        <translation>het is beschadigd: de controlesom klopt niet met de inhoud</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="273"/>
        <source>it holds a line it should not: &quot;%1&quot;</source>
        <translation>het bevat een regel die er niet hoort: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="274"/>
        <source>it holds &quot;%1&quot; twice</source>
        <translation>het bevat &quot;%1&quot; twee keer</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="277"/>
        <source>its line &quot;%1&quot; is missing</source>
        <translation>de regel &quot;%1&quot; ontbreekt</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="280"/>
        <source>its line &quot;%1&quot; holds &quot;%2&quot;, which is out of range or unreadable</source>
        <translation>de regel &quot;%1&quot; bevat &quot;%2&quot;, wat buiten het bereik valt of onleesbaar is</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="318"/>
        <source>tile %1 and tile %2 share a place</source>
        <translation>steen %1 en steen %2 staan op dezelfde plek</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="354"/>
        <source>it does not add up: %1</source>
        <translation>het klopt niet: %1</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="68"/>
        <location filename="../src/shell/Help.cpp" line="33"/>
        <source>Voverizo Dadazu (Easy)</source>
        <translation>Voverizo Dadazu (makkelijk)</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="70"/>
        <location filename="../src/shell/Help.cpp" line="34"/>
        <source>Voverizo Dadazu (Hard)</source>
        <translation>Voverizo Dadazu (moeilijk)</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tile left</source>
        <translation>%1 steen over</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tiles left</source>
        <translation>%1 stenen over</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="167"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="140"/>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="175"/>
        <location filename="../src/platform/HelpWindow.cpp" line="184"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="141"/>
        <location filename="../src/shell/GameMenus.cpp" line="97"/>
        <location filename="../src/shell/GameMenus.h" line="127"/>
        <source>Hall of Fame</source>
        <translation>Eregalerij</translation>
    </message>
    <message>
        <location filename="../src/platform/DeadEndPanel.cpp" line="19"/>
        <location filename="../src/platform/DeadEndPanel.cpp" line="39"/>
        <source>No more moves</source>
        <translation>Geen zetten meer</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="62"/>
        <source>Mah-Jongg solitaire and Voverizo Dadazu for the Linux desktop.</source>
        <translation>Mah-Jongg solitaire en Voverizo Dadazu voor de Linux-desktop.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="63"/>
        <source>Tiles, backgrounds, layouts, tunes and sounds were made for this game by its own generators.</source>
        <translation>Stenen, achtergronden, opstellingen, melodieën en geluiden zijn voor dit spel gemaakt door zijn eigen generatoren.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="66"/>
        <source>Thanks to everyone who played the earlier versions and sent ideas and layouts.</source>
        <translation>Dank aan iedereen die de eerdere versies speelde en ideeën en opstellingen instuurde.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="68"/>
        <source>More layouts</source>
        <translation>Meer opstellingen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="84"/>
        <source>Velmor - Help</source>
        <translation>Velmor - Help</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="111"/>
        <location filename="../src/shell/GameMenus.cpp" line="95"/>
        <location filename="../src/shell/GameMenus.h" line="125"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="112"/>
        <location filename="../src/shell/GameMenus.h" line="115"/>
        <source>What&apos;s New</source>
        <translation>Wat is er nieuw</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="113"/>
        <location filename="../src/shell/GameMenus.h" line="126"/>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="114"/>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="115"/>
        <location filename="../src/shell/GameMenus.h" line="25"/>
        <source>Tiles</source>
        <translation>Stenen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="119"/>
        <source>Player Name</source>
        <translation>Spelersnaam</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="121"/>
        <source>Your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="58"/>
        <source>Random Seed</source>
        <translation>Spelnummer</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="131"/>
        <source>Choose a specific game number (from 1 to 2,147,483,647)</source>
        <translation>Kies een bepaald spelnummer (van 1 tot 2.147.483.647)</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="136"/>
        <source>Activate the game by clicking File -&gt; Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Start het spel met Bestand -&gt; Mah-Jongg Solitaire : Nieuw genummerd spel</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="142"/>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Rk</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <location filename="../src/shell/GameMenus.h" line="29"/>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="148"/>
        <source>Malus</source>
        <translation>Malus</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="162"/>
        <source>Reset High Scores</source>
        <translation>Scores wissen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Layout</source>
        <translation>Opstelling</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Started</source>
        <translation>Gestart</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Average</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Streak</source>
        <translation>Reeks</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Longest</source>
        <translation>Langste</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="199"/>
        <source>No game has been counted yet.</source>
        <translation>Er is nog geen spel geteld.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="203"/>
        <source>Reset Statistics</source>
        <translation>Statistieken wissen</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="211"/>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="213"/>
        <source>Return to Velmor</source>
        <translation>Terug naar Velmor</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="94"/>
        <source>%1 • in play</source>
        <translation>%1 • in spel</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="103"/>
        <source>Velmor - Choose Layout</source>
        <translation>Velmor - Opstelling kiezen</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="108"/>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="110"/>
        <source>Type part of a layout&apos;s name</source>
        <translation>Typ een deel van de naam van een opstelling</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="172"/>
        <source>Double-click a layout or press Return to play it.</source>
        <translation>Dubbelklik op een opstelling of druk op Enter om die te spelen.</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="175"/>
        <source>&amp;Play Layout</source>
        <translation>&amp;Spelen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="74"/>
        <source>&amp;Play</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="177"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="226"/>
        <source>No layout&apos;s name holds “%1”.</source>
        <translation>Geen enkele opstellingsnaam bevat “%1”.</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="199"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="123"/>
        <source>Tiles left</source>
        <translation>Stenen over</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="208"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="124"/>
        <source>Layout Name</source>
        <translation>Naam opstelling</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="123"/>
        <source>Redo</source>
        <translation>Herhalen</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="122"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="124"/>
        <source>Shuffle</source>
        <translation>Schudden</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>Restart</source>
        <translation>Opnieuw beginnen</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <location filename="../src/platform/QtPlatform.cpp" line="173"/>
        <source>No preview</source>
        <translation>Geen voorbeeld</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="82"/>
        <location filename="../src/shell/DeadEnd.cpp" line="27"/>
        <source>      SORRY, NO MORE MOVES !!</source>
        <translation>      SORRY, GEEN ZETTEN MEER!!</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="89"/>
        <source>Player 1 %1  ·  ▶ Player 2 %2</source>
        <translation>Speler 1 %1  ·  ▶ Speler 2 %2</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="90"/>
        <source>▶ Player 1 %1  ·  Player 2 %2</source>
        <translation>▶ Speler 1 %1  ·  Speler 2 %2</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="98"/>
        <location filename="../src/shell/GameKeeper.cpp" line="136"/>
        <source>&amp;Continue</source>
        <translation>&amp;Verder</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="99"/>
        <location filename="../src/shell/GameKeeper.cpp" line="137"/>
        <source>Play</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="107"/>
        <location filename="../src/shell/ClockAndStatus.cpp" line="135"/>
        <location filename="../src/shell/GameCommands.cpp" line="26"/>
        <location filename="../src/shell/GameCommands.cpp" line="144"/>
        <location filename="../src/shell/GameMenus.h" line="64"/>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="108"/>
        <location filename="../src/shell/ClockAndStatus.cpp" line="136"/>
        <location filename="../src/shell/GameCommands.cpp" line="25"/>
        <location filename="../src/shell/GameCommands.cpp" line="143"/>
        <location filename="../src/shell/GameMenus.h" line="63"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <location filename="../src/shell/Editor.cpp" line="19"/>
        <source>New Layout</source>
        <translation>Nieuwe opstelling</translation>
    </message>
    <message>
        <location filename="../src/shell/Editor.cpp" line="48"/>
        <source>You haven&apos;t finished building the layout yet !</source>
        <translation>De opstelling is nog niet af!</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="59"/>
        <source>Vertical variation</source>
        <translation>Verticale variant</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="60"/>
        <source>If you want to change the game mode, you&apos;ll have to restart your game. Do you wish to continue ?</source>
        <translation>Als je de spelvorm wilt wijzigen, moet je je spel opnieuw beginnen. Wil je doorgaan?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="91"/>
        <source>The layout &quot;%1&quot; has %2 tiles; a layout needs an even number of tiles from 2 to 144.</source>
        <translation>De opstelling &quot;%1&quot; heeft %2 stenen; een opstelling heeft een even aantal stenen van 2 tot 144 nodig.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="124"/>
        <source>This layout cannot be dealt winnable: dealt at random.</source>
        <translation>Deze opstelling kan niet winbaar worden gedeeld; er is willekeurig gedeeld.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="157"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="100"/>
        <source>Specific Board started. Random Seed #%1</source>
        <translation>Genummerd spel gestart. Spelnummer #%1</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="160"/>
        <source>New game started.</source>
        <translation>Nieuw spel gestart.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="172"/>
        <source>Velmor %1 - Voverizo Dadazu (Hard)</source>
        <translation>Velmor %1 - Voverizo Dadazu (moeilijk)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="174"/>
        <source>Velmor %1 - Voverizo Dadazu (Easy)</source>
        <translation>Velmor %1 - Voverizo Dadazu (makkelijk)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="176"/>
        <source>Velmor %1 - %2 - game %3</source>
        <translation>Velmor %1 - %2 - spel %3</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="177"/>
        <source>Velmor %1 - %2</source>
        <translation>Velmor %1 - %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="179"/>
        <source>Velmor %1 - game %2</source>
        <translation>Velmor %1 - spel %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="180"/>
        <source>Velmor %1</source>
        <translation>Velmor %1</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="85"/>
        <source>cannot create the folder &quot;%1&quot;: %2</source>
        <translation>kan de map &quot;%1&quot; niet maken: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="86"/>
        <source>not a folder</source>
        <translation>geen map</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="14"/>
        <source>Velmor saved games (*.vsave)|*.vsave</source>
        <translation>Opgeslagen Velmor-spellen (*.vsave)|*.vsave</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="29"/>
        <source>The game in progress could not be kept: %1.</source>
        <translation>Het lopende spel kon niet worden bewaard: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="42"/>
        <source>The game in progress cannot be continued: %1.</source>
        <translation>Het lopende spel kan niet worden voortgezet: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="46"/>
        <source>Game resumed.</source>
        <translation>Spel hervat.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="56"/>
        <source>The game in progress cannot be continued: %1. It was kept as &quot;%2&quot;. A new game starts.</source>
        <translation>Het lopende spel kan niet worden voortgezet: %1. Het is bewaard als &quot;%2&quot;. Er begint een nieuw spel.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="59"/>
        <source>The game in progress cannot be continued: %1. A new game starts.</source>
        <translation>Het lopende spel kan niet worden voortgezet: %1. Er begint een nieuw spel.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="71"/>
        <source>There is no game in progress to save.</source>
        <translation>Er is geen lopend spel om op te slaan.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="75"/>
        <source>Save Game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="81"/>
        <source>The game was not saved: %1.</source>
        <translation>Het spel is niet opgeslagen: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="85"/>
        <source>Game saved as &quot;%1&quot;.</source>
        <translation>Spel opgeslagen als &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="91"/>
        <location filename="../src/shell/GameKeeper.cpp" line="101"/>
        <source>Load Game</source>
        <translation>Spel laden</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="97"/>
        <location filename="../src/shell/GameKeeper.cpp" line="106"/>
        <source>The saved game cannot be loaded: %1.</source>
        <translation>Het opgeslagen spel kan niet worden geladen: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="102"/>
        <source>A game is in progress. Leave it and load &quot;%1&quot;?</source>
        <translation>Er loopt een spel. Wil je dat verlaten en &quot;%1&quot; laden?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="111"/>
        <source>Game loaded.</source>
        <translation>Spel geladen.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="121"/>
        <source>its layout &quot;%1&quot; is no longer there</source>
        <translation>de opstelling &quot;%1&quot; bestaat niet meer</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="88"/>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="89"/>
        <source>Undo move</source>
        <translation>Zet terugnemen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="90"/>
        <source>Redo move</source>
        <translation>Zet herhalen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="91"/>
        <source>Show possible moves</source>
        <translation>Mogelijke zetten tonen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="92"/>
        <source>Shuffle tiles</source>
        <translation>Stenen schudden</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="93"/>
        <source>Pause game</source>
        <translation>Spel pauzeren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="94"/>
        <source>Pause music</source>
        <translation>Muziek pauzeren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="96"/>
        <source>About Velmor</source>
        <translation>Over Velmor</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="98"/>
        <source>Quit Velmor</source>
        <translation>Velmor afsluiten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="27"/>
        <source>Moves left</source>
        <translation>Zetten over</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="31"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="33"/>
        <source>&amp;Show Time Left</source>
        <translation>Resterende &amp;tijd tonen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="34"/>
        <source>Show &amp;Moves Left</source>
        <translation>Resterende &amp;zetten tonen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="35"/>
        <source>Cool Status</source>
        <translation>Fraaie statusbalk</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="38"/>
        <source>M&amp;usic</source>
        <translation>M&amp;uziek</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="39"/>
        <source>Random Music</source>
        <translation>Willekeurige muziek</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="40"/>
        <source>Play music</source>
        <translation>Muziek afspelen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="41"/>
        <source>Play sound effects</source>
        <translation>Geluidseffecten afspelen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="42"/>
        <source>Run music automatically at startup</source>
        <translation>Muziek automatisch starten bij het opstarten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="43"/>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="44"/>
        <source>Music &amp;Volume</source>
        <translation>Muziek&amp;volume</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="45"/>
        <source>E&amp;ffects Volume</source>
        <translation>E&amp;ffectenvolume</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="48"/>
        <source>Mah-Jongg Solitaire : New Fully Random Game</source>
        <translation>Mah-Jongg Solitaire : Nieuw volledig willekeurig spel</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="51"/>
        <source>Mah-Jongg Solitaire : New Random Specific Game</source>
        <translation>Mah-Jongg Solitaire : Nieuw willekeurig genummerd spel</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="52"/>
        <source>Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Mah-Jongg Solitaire : Nieuw genummerd spel</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="53"/>
        <source>Solitaire (1-player)</source>
        <translation>Solitaire (1 speler)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="54"/>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="55"/>
        <source>Winnable Layouts (in at least one way)</source>
        <translation>Winbare opstellingen (op ten minste één manier)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="56"/>
        <source>Winnable Shuffles (in at least one way)</source>
        <translation>Winbaar schudden (op ten minste één manier)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="57"/>
        <source>Animate Board while building the tiles</source>
        <translation>Bord animeren tijdens het opbouwen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="59"/>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="60"/>
        <source>Vertical Variation</source>
        <translation>Verticale variant</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="61"/>
        <source>&amp;Hint</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="62"/>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="65"/>
        <source>&amp;Layout</source>
        <translation>&amp;Opstelling</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="66"/>
        <source>&amp;Choose Layout…</source>
        <translation>Opstelling &amp;kiezen…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="67"/>
        <source>&amp;Import Layout…</source>
        <translation>Opstelling &amp;importeren…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="68"/>
        <source>Create Layout</source>
        <translation>Opstelling maken</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="69"/>
        <source>Edit Layout</source>
        <translation>Opstelling bewerken</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="73"/>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="75"/>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="76"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="77"/>
        <source>Hi&amp;ghlight</source>
        <translation>&amp;Markering</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="78"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="81"/>
        <source>Mah-Jongg Solitaire : New 2-Player Game</source>
        <translation>Mah-Jongg Solitaire : Nieuw spel voor 2 spelers</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="82"/>
        <source>Mah-Jongg Rivers : New Game (Easy)</source>
        <translation>Mah-Jongg Rivieren : Nieuw spel (makkelijk)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="83"/>
        <source>Mah-Jongg Rivers : New Game (Hard)</source>
        <translation>Mah-Jongg Rivieren : Nieuw spel (moeilijk)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="84"/>
        <source>Solitaire (2-player)</source>
        <translation>Solitaire (2 spelers)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="85"/>
        <source>MJ Rivers (Easy)</source>
        <translation>MJ Rivieren (makkelijk)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="86"/>
        <source>MJ Rivers (Hard)</source>
        <translation>MJ Rivieren (moeilijk)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="87"/>
        <source>&amp;Save Game…</source>
        <translation>Spel op&amp;slaan…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="88"/>
        <source>&amp;Load Game…</source>
        <translation>Spel &amp;laden…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="89"/>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="90"/>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="91"/>
        <source>R&amp;edo</source>
        <translation>Herh&amp;alen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="92"/>
        <source>&amp;Restart</source>
        <translation>Opnieuw &amp;beginnen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="93"/>
        <source>Can I Still &amp;Win?</source>
        <translation>Kan ik nog &amp;winnen?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="94"/>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="95"/>
        <source>Watch Winnability</source>
        <translation>Winbaarheid bewaken</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="97"/>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="98"/>
        <source>Shu&amp;ffle</source>
        <translation>S&amp;chudden</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="99"/>
        <source>Show &amp;Toolbar</source>
        <translation>&amp;Werkbalk tonen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="100"/>
        <source>Show Status Bar</source>
        <translation>Statusbalk tonen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="101"/>
        <source>Show Hall of &amp;Fame</source>
        <translation>&amp;Eregalerij tonen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="102"/>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="103"/>
        <source>Cool Toolbar</source>
        <translation>Fraaie werkbalk</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="104"/>
        <source>Cool Buttons</source>
        <translation>Fraaie knoppen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="105"/>
        <source>Cool Menu</source>
        <translation>Fraai menu</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="106"/>
        <source>Cool Mouse</source>
        <translation>Fraaie muisaanwijzer</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="107"/>
        <source>Show Current Tile</source>
        <translation>Huidige steen tonen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="108"/>
        <source>Only Possible Moves</source>
        <translation>Alleen mogelijke zetten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="109"/>
        <source>Switch to 800x600 at startup</source>
        <translation>Bij het opstarten naar 800x600 overschakelen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="110"/>
        <source>Begin game directly at startup</source>
        <translation>Bij het opstarten meteen een spel beginnen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="111"/>
        <source>Resume Last Game</source>
        <translation>Laatste spel hervatten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="112"/>
        <source>Enable time tracking for the Hall of fame</source>
        <translation>Tijdregistratie voor de eregalerij inschakelen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="113"/>
        <source>Animate Tile Rivers in Voverizo Dadazu</source>
        <translation>Stenen laten glijden in Voverizo Dadazu</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="114"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="116"/>
        <source>French Help</source>
        <translation>Franse help</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="117"/>
        <source>View Tiles</source>
        <translation>Stenen bekijken</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="118"/>
        <source>&amp;Player Name</source>
        <translation>&amp;Spelersnaam</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="119"/>
        <source>&amp;Hall of Fame</source>
        <translation>&amp;Eregalerij</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="120"/>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistieken</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="121"/>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="158"/>
        <location filename="../src/shell/GameMenus.h" line="162"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="132"/>
        <location filename="../src/shell/GameMenus.h" line="150"/>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="133"/>
        <source>Red Rectangle</source>
        <translation>Rode rechthoek</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="134"/>
        <source>Colored Tile</source>
        <translation>Gekleurde steen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="135"/>
        <source>Green Rectangle</source>
        <translation>Groene rechthoek</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="136"/>
        <source>Blue Rectangle</source>
        <translation>Blauwe rechthoek</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="137"/>
        <source>&amp;Invert selection</source>
        <translation>Selectie &amp;omkeren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="138"/>
        <source>Enable 3D shadows on tilesets</source>
        <translation>3D-schaduwen op de stenen tonen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="141"/>
        <source>Tileset</source>
        <translation>Stenenset</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="142"/>
        <location filename="../src/shell/GameMenus.h" line="149"/>
        <source>Load from disk</source>
        <translation>Laden van schijf</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="143"/>
        <source>Orange borders</source>
        <translation>Oranje randen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="144"/>
        <source>Dark borders</source>
        <translation>Donkere randen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="145"/>
        <source>Blue borders</source>
        <translation>Blauwe randen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="146"/>
        <source>Few Colors</source>
        <translation>Weinig kleuren</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="147"/>
        <source>High Contrast</source>
        <translation>Hoog contrast</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="148"/>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="151"/>
        <source>&amp;Dragons</source>
        <translation>&amp;Draken</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="152"/>
        <source>Andromeda</source>
        <translation>Andromeda</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="153"/>
        <source>&amp;Kanji (classic)</source>
        <translation>&amp;Kanji (klassiek)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="154"/>
        <source>Catpats</source>
        <translation>Catpats</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="159"/>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="160"/>
        <source>Save as...</source>
        <translation>Opslaan als...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="161"/>
        <source>Try it</source>
        <translation>Uitproberen</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="163"/>
        <source>Move Board</source>
        <translation>Bord verschuiven</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="164"/>
        <source>Move to left &lt;</source>
        <translation>Naar links &lt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="165"/>
        <source>Move to right &gt;</source>
        <translation>Naar rechts &gt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="166"/>
        <source>Move to top /\</source>
        <translation>Naar boven /\</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="167"/>
        <source>Move to bottom \/</source>
        <translation>Naar beneden \/</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="14"/>
        <source>The statistics could not be read: %1. They are not counted this time.</source>
        <translation>De statistieken konden niet worden gelezen: %1. Ze worden deze keer niet bijgehouden.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="44"/>
        <location filename="../src/shell/Help.cpp" line="113"/>
        <source>Please confirm...</source>
        <translation>Bevestigen...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="45"/>
        <source>Do you really want to reset the statistics of every layout and of Voverizo Dadazu ?</source>
        <translation>Wil je de statistieken van alle opstellingen en van Voverizo Dadazu echt wissen?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="61"/>
        <source>The statistics were not saved: %1.</source>
        <translation>De statistieken zijn niet opgeslagen: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="38"/>
        <source>Player 2 WON ! Congratulations !</source>
        <translation>Speler 2 HEEFT GEWONNEN! Gefeliciteerd!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="41"/>
        <source>Same score for both players !</source>
        <translation>Gelijke score voor beide spelers!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="44"/>
        <source>Player 1 WON ! Congratulations !</source>
        <translation>Speler 1 HEEFT GEWONNEN! Gefeliciteerd!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="58"/>
        <source>The demo cleared the board.</source>
        <translation>De demo heeft het bord leeggespeeld.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="67"/>
        <source>Congratulations !! You WON !</source>
        <translation>Gefeliciteerd!! Je hebt GEWONNEN!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="69"/>
        <source>You WON ! Your time is : %1</source>
        <translation>Je hebt GEWONNEN! Je tijd is: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="96"/>
        <source>Two-Player Solitaire started.</source>
        <translation>Solitaire voor twee spelers gestart.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="116"/>
        <source>PLAY 1</source>
        <translation>SPELER 1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="117"/>
        <source>PLAY 2</source>
        <translation>SPELER 2</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="140"/>
        <source>The Hall of Fame could not be read: %1.</source>
        <translation>De eregalerij kon niet worden gelezen: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="159"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="166"/>
        <source>The Hall of Fame was not saved: %1.</source>
        <translation>De eregalerij is niet opgeslagen: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="185"/>
        <source>HALL OF</source>
        <translation>ERE-</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="186"/>
        <source>FAME</source>
        <translation>GALERIJ</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="19"/>
        <source>The Hall of Fame of &quot;%1&quot; held 1 unreadable entry; it was replaced by empty places.</source>
        <translation>De eregalerij van &quot;%1&quot; bevatte 1 onleesbare vermelding; die is vervangen door een lege plaats.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="20"/>
        <source>The Hall of Fame of &quot;%1&quot; held %2 unreadable entries; they were replaced by empty places.</source>
        <translation>De eregalerij van &quot;%1&quot; bevatte %2 onleesbare vermeldingen; die zijn vervangen door lege plaatsen.</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="32"/>
        <source>%1 Layout</source>
        <translation>Opstelling %1</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Craks (4 times each)</source>
        <translation>Karakters (elk 4 keer)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Bamboos (4 times each)</source>
        <translation>Bamboes (elk 4 keer)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Dots (4 times each)</source>
        <translation>Cirkels (elk 4 keer)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Flowers (once each)</source>
        <translation>Bloemen (elk één keer)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Seasons (once each)</source>
        <translation>Seizoenen (elk één keer)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Winds (4 times each)</source>
        <translation>Winden (elk 4 keer)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="62"/>
        <source>Dragons (4 times each)</source>
        <translation>Draken (elk 4 keer)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="70"/>
        <source>You reached rank #%1, %2 !</source>
        <translation>Je staat op plaats #%1, %2!</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="114"/>
        <source>Do you really want to remove the Hall of Fame entries for this layout ?</source>
        <translation>Wil je de eregalerij van deze opstelling echt wissen?</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="100"/>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>kan &quot;%1&quot; niet lezen: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="105"/>
        <source>&quot;%1&quot; is not a plain file</source>
        <translation>&quot;%1&quot; is geen gewoon bestand</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="109"/>
        <location filename="../src/shell/IniFile.cpp" line="115"/>
        <source>&quot;%1&quot; is too large to be a settings file</source>
        <translation>&quot;%1&quot; is te groot voor een instellingenbestand</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="300"/>
        <source>no settings file was read, so none can be written</source>
        <translation>er is geen instellingenbestand gelezen, dus er kan er ook geen worden geschreven</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <source>Greensleeves</source>
        <translation>Greensleeves</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Jasmine</source>
        <translation>Jasmijn</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Lanterns</source>
        <translation>Lantaarns</translation>
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
        <translation>In &quot;%1&quot; is geen melodie gevonden. Velmor heeft daar zijn melodieën (.mid-bestanden) nodig.</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="74"/>
        <source>No music: %1.</source>
        <translation>Geen muziek: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="59"/>
        <source>System</source>
        <translation>Systeemtaal</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="74"/>
        <source>Velmor cannot speak this language: %1.</source>
        <translation>Velmor kan deze taal niet spreken: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="17"/>
        <source>Layouts from other games (*.layout *.map)|*.layout;*.map</source>
        <translation>Opstellingen uit andere spellen (*.layout *.map)|*.layout;*.map</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="42"/>
        <location filename="../src/shell/LayoutChoice.cpp" line="70"/>
        <source>Import Layout</source>
        <translation>Opstelling importeren</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="50"/>
        <source>%1. No layout was imported.</source>
        <translation>%1. Er is geen opstelling geïmporteerd.</translation>
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
        <translation>De opstelling &quot;%1&quot; bestaat al. Wil je die vervangen?</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="84"/>
        <source>From &quot;%1&quot;:</source>
        <translation>Uit &quot;%1&quot;:</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="86"/>
        <source>%1
Imported into the Layout menu: %2.</source>
        <translation>%1
Geïmporteerd in het menu Opstelling: %2.</translation>
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
Geweigerd: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="93"/>
        <source>%1
Kept as they were: %2.</source>
        <translation>%1
Ongewijzigd gelaten: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="95"/>
        <source>%1
No layout was imported.</source>
        <translation>%1
Er is geen opstelling geïmporteerd.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="100"/>
        <source>%1
The Layout menu holds %2 layouts at most; %3 were left out: %4.</source>
        <translation>%1
Het menu Opstelling bevat hoogstens %2 opstellingen; %3 zijn weggelaten: %4.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="69"/>
        <source>Cannot be read</source>
        <translation>Onleesbaar</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="70"/>
        <source>No heap of its own</source>
        <translation>Geen eigen stapel</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layer</source>
        <translation>%1 laag</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layers</source>
        <translation>%1 lagen</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Best %1</source>
        <translation>Beste %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Not won yet</source>
        <translation>Nog niet gewonnen</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once, best %1</source>
        <translation>Eén keer gewonnen, beste %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once</source>
        <translation>Eén keer gewonnen</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="78"/>
        <source>Won %1 times, best %2</source>
        <translation>%1 keer gewonnen, beste %2</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="79"/>
        <source>Won %1 times</source>
        <translation>%1 keer gewonnen</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="84"/>
        <source>Counting the deals that can be cleared</source>
        <translation>Bezig met tellen van de oplosbare spellen</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="86"/>
        <source>%1 % of deals can be cleared</source>
        <translation>%1 % van de spellen is oplosbaar</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="21"/>
        <source>Welcome to Velmor %1 : Mah-Jongg solitaire for Linux. Have fun !</source>
        <translation>Welkom bij Velmor %1 : Mah-Jongg solitaire voor Linux. Veel plezier!</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="25"/>
        <source>Layout %1 selected.</source>
        <translation>Opstelling %1 gekozen.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="40"/>
        <source>%1 The current layout stays.</source>
        <translation>%1 De huidige opstelling blijft.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="74"/>
        <source>%1 Velmor starts with the layout &quot;%2&quot; instead.</source>
        <translation>%1 Velmor start in plaats daarvan met de opstelling &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="130"/>
        <source>No layout was found in &quot;%1&quot;. Velmor needs at least one layout file (.lay or .shp) there to play.</source>
        <translation>In &quot;%1&quot; is geen opstelling gevonden. Velmor heeft daar ten minste één opstellingsbestand (.lay of .shp) nodig om te kunnen spelen.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="139"/>
        <source>The Layout menu holds 99 layouts at most; %1 more were left out: %2.</source>
        <translation>Het menu Opstelling bevat hoogstens 99 opstellingen; er zijn er nog %1 weggelaten: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="173"/>
        <source>Please choose a name for your layout file</source>
        <translation>Kies een naam voor je opstellingsbestand</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="174"/>
        <source>LAY Layout files (*.lay)|*.lay</source>
        <translation>LAY-opstellingsbestanden (*.lay)|*.lay</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="184"/>
        <source>Save layout</source>
        <translation>Opstelling opslaan</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="185"/>
        <source>The layout file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Het opstellingsbestand &quot;%1&quot; bestaat al. Wil je het vervangen?</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="199"/>
        <source>The layout was not saved: %1.</source>
        <translation>De opstelling is niet opgeslagen: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="218"/>
        <source>The layout was saved, but the Layout menu holds 99 layouts at most, so it is not listed.</source>
        <translation>De opstelling is opgeslagen, maar het menu Opstelling bevat hoogstens 99 opstellingen, dus ze staat er niet in.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="18"/>
        <source>The picture &quot;%1&quot; could not be loaded: %2.</source>
        <translation>De afbeelding &quot;%1&quot; kon niet worden geladen: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="44"/>
        <source>Please choose a Tileset bitmap file</source>
        <translation>Kies een bitmapbestand voor de stenenset</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="45"/>
        <source>Tileset files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>Stenensetbestanden (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="63"/>
        <source>Please choose a Background bitmap file</source>
        <translation>Kies een bitmapbestand voor de achtergrond</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="64"/>
        <source>Background files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>Achtergrondbestanden (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Platform.h" line="54"/>
        <source>there is no sound here</source>
        <translation>er is hier geen geluid</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="115"/>
        <source>Game restarted.</source>
        <translation>Spel opnieuw begonnen.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="142"/>
        <source>Tiles shuffled. %1 new moves found.</source>
        <translation>Stenen geschud. %1 nieuwe zetten gevonden.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="144"/>
        <source>Tiles shuffled. 1 new move found.</source>
        <translation>Stenen geschud. 1 nieuwe zet gevonden.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="146"/>
        <source>No moves found. Try to press Back a few times.</source>
        <translation>Geen zetten gevonden. Druk een paar keer op Terug.</translation>
    </message>
    <message>
        <location filename="../src/shell/Rivers.cpp" line="23"/>
        <source>Voverizo Dadazu started.</source>
        <translation>Voverizo Dadazu gestart.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="92"/>
        <source>The text does not begin with {\rtf, so it is not RTF.</source>
        <translation>De tekst begint niet met {\rtf, dus het is geen RTF.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="101"/>
        <source>The groups are nested deeper than %1 levels.</source>
        <translation>De groepen zijn dieper genest dan %1 niveaus.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="154"/>
        <source>The text ends inside an open group, so it is cut short or a &apos;}&apos; is missing.</source>
        <translation>De tekst eindigt in een open groep, dus hij is afgebroken of er ontbreekt een &apos;}&apos;.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="159"/>
        <source>A &apos;}&apos; closes a group that was never opened.</source>
        <translation>Een &apos;}&apos; sluit een groep die nooit is geopend.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="486"/>
        <source>The text is larger than %1 MB, too large for a help text.</source>
        <translation>De tekst is groter dan %1 MB, te groot voor een helptekst.</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="18"/>
        <source>there is no file &quot;%1&quot;</source>
        <translation>er is geen bestand &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="38"/>
        <source>too many damaged copies of &quot;%1&quot; lie beside it</source>
        <translation>er liggen al te veel beschadigde kopieën naast &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="44"/>
        <source>cannot rename &quot;%1&quot;: %2</source>
        <translation>kan de naam van &quot;%1&quot; niet wijzigen: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="16"/>
        <source>The solver answers in a one-player game.</source>
        <translation>De oplosser antwoordt alleen in een spel voor één speler.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="21"/>
        <source>Looking for a way to clear the board...</source>
        <translation>Zoeken naar een manier om het bord leeg te spelen...</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="36"/>
        <source>Looking for a way to clear the board</source>
        <translation>Zoeken naar een manier om het bord leeg te spelen</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="65"/>
        <source>Still winnable.</source>
        <translation>Nog steeds winbaar.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="66"/>
        <source>Still winnable</source>
        <translation>Nog steeds winbaar</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="70"/>
        <source>No longer winnable — go back %1 pair.</source>
        <translation>Niet meer winbaar — ga %1 paar terug.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="72"/>
        <source>No longer winnable — go back %1 pairs.</source>
        <translation>Niet meer winbaar — ga %1 paren terug.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="74"/>
        <source>No longer winnable.</source>
        <translation>Niet meer winbaar.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="75"/>
        <source>No longer winnable</source>
        <translation>Niet meer winbaar</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="78"/>
        <source>The solver could not tell in time whether the game can still be won.</source>
        <translation>De oplosser kon niet op tijd bepalen of het spel nog te winnen is.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="79"/>
        <source>Not known whether the game can still be won</source>
        <translation>Onbekend of het spel nog te winnen is</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="120"/>
        <source>Demo: the game plays itself. Click or press a key to take over.</source>
        <translation>Demo: het spel speelt zichzelf. Klik of druk op een toets om het over te nemen.</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="101"/>
        <source>Game paused: press F12 or click Play to go on.</source>
        <translation>Spel gepauzeerd: druk op F12 of klik op Spelen om verder te gaan.</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="56"/>
        <source>Back 1 pair and it can be won</source>
        <translation>1 paar terug en het is te winnen</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="57"/>
        <source>Back %1 pairs and it can be won</source>
        <translation>%1 paren terug en het is te winnen</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="127"/>
        <source>Demo stopped.</source>
        <translation>Demo gestopt.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="149"/>
        <source>Demo: no move is left.</source>
        <translation>Demo: er is geen zet meer.</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Very Quiet</source>
        <translation>Heel zacht</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="15"/>
        <source>Quiet</source>
        <translation>Zacht</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="15"/>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="16"/>
        <source>Loud</source>
        <translation>Luid</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="16"/>
        <source>Full</source>
        <translation>Maximaal</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="56"/>
        <source>The settings could not be read: %1. The defaults apply.</source>
        <translation>De instellingen konden niet worden gelezen: %1. De standaardinstellingen gelden.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="118"/>
        <source>Velmor cannot start without a readable layout.</source>
        <translation>Velmor kan niet starten zonder een leesbare opstelling.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="145"/>
        <source>The help text &quot;%1&quot; could not be read: %2. Velmor cannot start without it.</source>
        <translation>De helptekst &quot;%1&quot; kon niet worden gelezen: %2. Velmor kan niet zonder starten.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="188"/>
        <source>The settings were not saved: %1.</source>
        <translation>De instellingen zijn niet opgeslagen: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="13"/>
        <source>The statistics file is too large to be read; the statistics start afresh.</source>
        <translation>Het statistiekenbestand is te groot om te lezen; de statistieken beginnen opnieuw.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="14"/>
        <source>Some statistics could not be read and count as zero: %1.</source>
        <translation>Sommige statistieken konden niet worden gelezen en tellen als nul: %1.</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="14"/>
        <source>Cat</source>
        <translation>Kat</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="117"/>
        <source>Fish</source>
        <translation>Vis</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="203"/>
        <source>Butterfly</source>
        <translation>Vlinder</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="262"/>
        <source>Owl</source>
        <translation>Uil</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="317"/>
        <source>Turtle</source>
        <translation>Schildpad</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="402"/>
        <source>Snail</source>
        <translation>Slak</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="14"/>
        <source>Castle</source>
        <translation>Kasteel</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="63"/>
        <source>Temple</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="118"/>
        <source>Lighthouse</source>
        <translation>Vuurtoren</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="188"/>
        <source>Arch</source>
        <translation>Boog</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="248"/>
        <source>Pagoda</source>
        <translation>Pagode</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="16"/>
        <source>Traditional</source>
        <translation>Traditioneel</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="101"/>
        <source>Pyramid</source>
        <translation>Piramide</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="188"/>
        <source>Bridge</source>
        <translation>Brug</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="272"/>
        <source>Fortress</source>
        <translation>Vesting</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="363"/>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="450"/>
        <source>Archipelago</source>
        <translation>Archipel</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="495"/>
        <source>Towers</source>
        <translation>Torens</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="599"/>
        <source>Brickwork</source>
        <translation>Metselwerk</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="660"/>
        <source>Spiral</source>
        <translation>Spiraal</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="16"/>
        <source>Meadow</source>
        <translation>Weide</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="58"/>
        <source>Garden</source>
        <translation>Tuin</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="102"/>
        <source>Stones</source>
        <translation>Stapstenen</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="149"/>
        <source>Honeycomb</source>
        <translation>Honingraat</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="195"/>
        <source>Waves</source>
        <translation>Golven</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="241"/>
        <source>Checkers</source>
        <translation>Dambord</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="288"/>
        <source>Scales</source>
        <translation>Schubben</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="16"/>
        <source>Vault</source>
        <translation>Kluis</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="61"/>
        <source>Monolith</source>
        <translation>Monoliet</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="126"/>
        <source>Obelisk</source>
        <translation>Obelisk</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="235"/>
        <source>Ziggurat</source>
        <translation>Ziggoerat</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="318"/>
        <source>Volcano</source>
        <translation>Vulkaan</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="405"/>
        <source>Columns</source>
        <translation>Zuilen</translation>
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
        <translation>Hart</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="257"/>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="318"/>
        <source>Cross</source>
        <translation>Kruis</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="393"/>
        <source>Arrow</source>
        <translation>Pijl</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="467"/>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
</context>
</TS>
