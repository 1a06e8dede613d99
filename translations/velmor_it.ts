<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>velmor</name>
    <message>
        <location filename="../src/base/Midi.cpp" line="71"/>
        <location filename="../src/base/Midi.cpp" line="76"/>
        <location filename="../src/base/Midi.cpp" line="115"/>
        <source>a track ends in the middle of an event</source>
        <translation>una traccia finisce a metà di un evento</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="83"/>
        <source>a track has a data byte where an event should start</source>
        <translation>una traccia ha un byte di dati dove dovrebbe iniziare un evento</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="100"/>
        <source>a track holds a system message that has no place in a file</source>
        <translation>una traccia contiene un messaggio di sistema che non può stare in un file</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="147"/>
        <source>not a MIDI file</source>
        <translation>non è un file MIDI</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="151"/>
        <source>its header is cut short</source>
        <translation>l&apos;intestazione del file è troncata</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="155"/>
        <source>MIDI format %1 is not one of 0, 1 and 2</source>
        <translation>il formato MIDI %1 non è né 0, né 1, né 2</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="159"/>
        <source>it has no track</source>
        <translation>il file non contiene nessuna traccia</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="171"/>
        <source>its time division is zero</source>
        <translation>la divisione temporale del file è zero</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="177"/>
        <source>it has %1 of its %2 tracks</source>
        <translation>il file contiene solo %1 delle sue %2 tracce</translation>
    </message>
    <message>
        <location filename="../src/base/Midi.cpp" line="181"/>
        <source>a track runs past the end of the file</source>
        <translation>una traccia va oltre la fine del file</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Crak %1</source>
        <translation>Carattere %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Bamboo %1</source>
        <translation>Bambù %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="11"/>
        <source>Dot %1</source>
        <translation>Cerchio %1</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Plum</source>
        <translation>Fiore: pruno</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="12"/>
        <source>Flower: Orchid</source>
        <translation>Fiore: orchidea</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Chrysanthemum</source>
        <translation>Fiore: crisantemo</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="13"/>
        <source>Flower: Bamboo</source>
        <translation>Fiore: bambù</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Spring</source>
        <translation>Stagione: primavera</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="14"/>
        <source>Season: Summer</source>
        <translation>Stagione: estate</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Autumn</source>
        <translation>Stagione: autunno</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="15"/>
        <source>Season: Winter</source>
        <translation>Stagione: inverno</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Red Dragon</source>
        <translation>Drago rosso</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>Green Dragon</source>
        <translation>Drago verde</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="16"/>
        <source>White Dragon</source>
        <translation>Drago bianco</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>East Wind</source>
        <translation>Vento dell&apos;est</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>South Wind</source>
        <translation>Vento del sud</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="17"/>
        <source>West Wind</source>
        <translation>Vento dell&apos;ovest</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="18"/>
        <source>North Wind</source>
        <translation>Vento del nord</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="21"/>
        <source>blocked</source>
        <translation>bloccata</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="22"/>
        <source>free</source>
        <translation>libera</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="23"/>
        <source>blocked, picked</source>
        <translation>bloccata, selezionata</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="24"/>
        <source>free, picked</source>
        <translation>libera, selezionata</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="25"/>
        <source>blocked, hinted</source>
        <translation>bloccata, suggerita</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="26"/>
        <source>free, hinted</source>
        <translation>libera, suggerita</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="27"/>
        <source>blocked, picked, hinted</source>
        <translation>bloccata, selezionata, suggerita</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="28"/>
        <source>free, picked, hinted</source>
        <translation>libera, selezionata, suggerita</translation>
    </message>
    <message>
        <location filename="../src/board/TileNames.cpp" line="29"/>
        <source>%1, layer %2, row %3, column %4</source>
        <translation>%1, strato %2, riga %3, colonna %4</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="51"/>
        <source>the JPEG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>l&apos;immagine JPEG è troppo grande (%1 x %2, al massimo %3 per lato)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="58"/>
        <location filename="../src/display/Jpeg.cpp" line="237"/>
        <source>not a JPEG picture</source>
        <translation>non è un&apos;immagine JPEG</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="61"/>
        <location filename="../src/display/Jpeg.cpp" line="89"/>
        <location filename="../src/display/Jpeg.cpp" line="136"/>
        <location filename="../src/display/Jpeg.cpp" line="156"/>
        <source>the JPEG picture is truncated</source>
        <translation>l&apos;immagine JPEG è troncata</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="63"/>
        <location filename="../src/display/Jpeg.cpp" line="185"/>
        <source>the JPEG picture has no pixels</source>
        <translation>l&apos;immagine JPEG non ha pixel</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="67"/>
        <location filename="../src/display/Jpeg.cpp" line="216"/>
        <source>not enough memory to decode the JPEG picture</source>
        <translation>memoria insufficiente per decodificare l&apos;immagine JPEG</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="71"/>
        <source>cannot decode the JPEG picture: %1</source>
        <translation>impossibile decodificare l&apos;immagine JPEG: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="93"/>
        <source>the JPEG picture is damaged: %1</source>
        <translation>l&apos;immagine JPEG è danneggiata: %1</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="102"/>
        <source>the JPEG picture has too many scans</source>
        <translation>l&apos;immagine JPEG ha troppe scansioni</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="203"/>
        <source>the JPEG picture has an unsupported colour layout (%1 components)</source>
        <translation>l&apos;immagine JPEG ha una struttura dei colori non supportata (%1 componenti)</translation>
    </message>
    <message>
        <location filename="../src/display/Jpeg.cpp" line="233"/>
        <source>the JPEG data is empty</source>
        <translation>i dati JPEG sono vuoti</translation>
    </message>
    <message>
        <location filename="../src/display/Picture.cpp" line="176"/>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="50"/>
        <source>the PNG header is damaged</source>
        <translation>l&apos;intestazione PNG è danneggiata</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="58"/>
        <source>the PNG picture has no pixels</source>
        <translation>l&apos;immagine PNG non ha pixel</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="63"/>
        <source>the PNG picture is too large (%1 x %2, at most %3 a side)</source>
        <translation>l&apos;immagine PNG è troppo grande (%1 x %2, al massimo %3 per lato)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="85"/>
        <source>the PNG picture has an unknown colour type</source>
        <translation>l&apos;immagine PNG ha un tipo di colore sconosciuto</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="89"/>
        <source>the PNG picture has a bit depth its colour type does not allow</source>
        <translation>l&apos;immagine PNG ha una profondità di bit che il suo tipo di colore non ammette</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="93"/>
        <source>the PNG picture uses an unknown compression or filter method</source>
        <translation>l&apos;immagine PNG usa un metodo di compressione o di filtro sconosciuto</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="97"/>
        <source>interlaced PNG pictures cannot be read; save the picture without interlacing</source>
        <translation>le immagini PNG interlacciate non si possono leggere; salva l&apos;immagine senza interlacciamento</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="101"/>
        <source>the PNG picture uses an unknown interlace method</source>
        <translation>l&apos;immagine PNG usa un metodo di interlacciamento sconosciuto</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="181"/>
        <source>not enough memory to decode the PNG picture</source>
        <translation>memoria insufficiente per decodificare l&apos;immagine PNG</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="195"/>
        <location filename="../src/display/Png.cpp" line="207"/>
        <location filename="../src/display/Png.cpp" line="251"/>
        <location filename="../src/display/Png.cpp" line="261"/>
        <location filename="../src/display/Png.cpp" line="308"/>
        <source>the PNG picture is truncated</source>
        <translation>l&apos;immagine PNG è troncata</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="211"/>
        <source>the PNG picture data is damaged</source>
        <translation>i dati dell&apos;immagine PNG sono danneggiati</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="238"/>
        <source>not a PNG picture</source>
        <translation>non è un&apos;immagine PNG</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="257"/>
        <source>the PNG picture is damaged</source>
        <translation>l&apos;immagine PNG è danneggiata</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="267"/>
        <source>the PNG picture is damaged (a checksum does not match)</source>
        <translation>l&apos;immagine PNG è danneggiata (un checksum non corrisponde)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="273"/>
        <source>the PNG picture has no header</source>
        <translation>l&apos;immagine PNG non ha intestazione</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="278"/>
        <source>the PNG picture has two headers</source>
        <translation>l&apos;immagine PNG ha due intestazioni</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="285"/>
        <source>the PNG palette is damaged</source>
        <translation>la tavolozza PNG è danneggiata</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="297"/>
        <source>the PNG picture uses a feature that cannot be read (%1)</source>
        <translation>l&apos;immagine PNG usa una funzione che non si può leggere (%1)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="302"/>
        <source>the PNG picture has no palette</source>
        <translation>l&apos;immagine PNG non ha tavolozza</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="323"/>
        <source>the PNG picture data is damaged (an unknown row filter)</source>
        <translation>i dati dell&apos;immagine PNG sono danneggiati (un filtro di riga sconosciuto)</translation>
    </message>
    <message>
        <location filename="../src/display/Png.cpp" line="344"/>
        <source>the PNG picture uses a colour its palette does not have</source>
        <translation>l&apos;immagine PNG usa un colore che non è nella sua tavolozza</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="13"/>
        <source>it has %1 tiles; a heap needs exactly %2</source>
        <translation>ha %1 tessere; una pila ne richiede esattamente %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="23"/>
        <source>a tile lies below the bottom layer (layer %1)</source>
        <translation>una tessera sta sotto lo strato più basso (strato %1)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="27"/>
        <source>it has %1 layers; the board holds %2</source>
        <translation>ha %1 strati; il tavoliere ne contiene %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="33"/>
        <source>it is %1 half tiles wide; the board holds %2</source>
        <translation>è largo %1 mezze tessere; il tavoliere ne contiene %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="37"/>
        <source>it is %1 half tiles high; the board holds %2</source>
        <translation>è alto %1 mezze tessere; il tavoliere ne contiene %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportHeap.cpp" line="51"/>
        <source>two tiles overlap on layer %1</source>
        <translation>due tessere si sovrappongono sullo strato %1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="44"/>
        <source>it is a KMahjongg layout of a version other than 1.0 and 1.1</source>
        <translation>è uno schema KMahjongg di una versione diversa da 1.0 e 1.1</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="45"/>
        <source>it is not a KMahjongg layout: its first line is not &quot;kmahjongg-layout-v1.0&quot; or &quot;-v1.1&quot;</source>
        <translation>non è uno schema KMahjongg: la sua prima riga non è &quot;kmahjongg-layout-v1.0&quot; né &quot;-v1.1&quot;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="58"/>
        <source>its size line &quot;%1&quot; holds no size from 1 to 9999999</source>
        <translation>la sua riga delle dimensioni &quot;%1&quot; non contiene nessuna dimensione da 1 a 9999999</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="66"/>
        <source>it does not give its width, height and depth</source>
        <translation>non indica larghezza, altezza e profondità</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="72"/>
        <source>its tile map has %1 cells instead of %2 x %3 x %4</source>
        <translation>la sua mappa delle tessere ha %1 celle invece di %2 x %3 x %4</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="101"/>
        <source>the file ends inside a comment</source>
        <translation>il file finisce dentro un commento</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="103"/>
        <source>the file ends inside a CDATA section</source>
        <translation>il file finisce dentro una sezione CDATA</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="105"/>
        <source>the file ends inside an XML declaration</source>
        <translation>il file finisce dentro una dichiarazione XML</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="131"/>
        <source>the file ends inside a declaration</source>
        <translation>il file finisce dentro una dichiarazione</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="161"/>
        <source>the file ends inside the tag &lt;%1&gt;</source>
        <translation>il file finisce dentro il tag &lt;%1&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="172"/>
        <source>the tag &lt;%1&gt; is never closed</source>
        <translation>il tag &lt;%1&gt; non viene mai chiuso</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="186"/>
        <source>the file ends inside the value of &quot;%1&quot;</source>
        <translation>il file finisce dentro il valore di &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="264"/>
        <source>a &lt;%1&gt; has %2=&quot;%3&quot;, which is not a coordinate</source>
        <translation>un &lt;%1&gt; ha %2=&quot;%3&quot;, che non è una coordinata</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="352"/>
        <source>the file ends inside this map</source>
        <translation>il file finisce dentro questa mappa</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportMap.cpp" line="355"/>
        <source>it is not a GNOME Mahjongg map file: it holds no &lt;map&gt;</source>
        <translation>non è un file di mappe di GNOME Mahjongg: non contiene nessun &lt;map&gt;</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="91"/>
        <source>it is neither a KMahjongg layout nor a GNOME Mahjongg map</source>
        <translation>non è né uno schema KMahjongg né una mappa di GNOME Mahjongg</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="97"/>
        <source>&quot;%1&quot; is too large to be a layout (%2 bytes)</source>
        <translation>&quot;%1&quot; è troppo grande per essere uno schema (%2 byte)</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="103"/>
        <source>&quot;%1&quot; is too large to be a layout</source>
        <translation>&quot;%1&quot; è troppo grande per essere uno schema</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="107"/>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <translation>impossibile importare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/ImportLayout.cpp" line="135"/>
        <source>&quot;%1&quot; was not imported: %2</source>
        <translation>&quot;%1&quot; non è stato importato: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="40"/>
        <source>the tile map holds %1 cells instead of %2</source>
        <translation>la mappa delle tessere contiene %1 celle invece di %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="45"/>
        <source>the tile map holds a character other than 0 or 1 at position %1</source>
        <translation>la mappa delle tessere contiene un carattere diverso da 0 o 1 alla posizione %1</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="63"/>
        <source>it has %1 lines; 144 are needed</source>
        <translation>ha %1 righe; ne servono 144</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="70"/>
        <source>line %1 is shorter than 9 characters</source>
        <translation>la riga %1 è più corta di 9 caratteri</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="75"/>
        <source>line %1 has &quot;%2&quot; where hexadecimal coordinates belong</source>
        <translation>la riga %1 ha &quot;%2&quot; dove vanno le coordinate esadecimali</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="82"/>
        <source>line %1 places a tile outside the board (x %2, y %3, z %4)</source>
        <translation>la riga %1 mette una tessera fuori dal tavoliere (x %2, y %3, z %4)</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="117"/>
        <source>The layout could not be loaded: %1.</source>
        <translation>Impossibile caricare lo schema: %1.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="118"/>
        <source>The layout &quot;%1&quot; is an empty file.</source>
        <translation>Lo schema &quot;%1&quot; è un file vuoto.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="124"/>
        <source>&quot;%1&quot; is not a layout file.</source>
        <translation>&quot;%1&quot; non è un file di schema.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="127"/>
        <source>The layout &quot;%1&quot; is damaged: %2.</source>
        <translation>Lo schema &quot;%1&quot; è danneggiato: %2.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="133"/>
        <source>&quot;%1&quot; is not a layout file: its first line is not &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; non è un file di schema: la sua prima riga non è &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="140"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds no tile.</source>
        <translation>Impossibile giocare lo schema &quot;%1&quot;: non contiene nessuna tessera.</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutFile.cpp" line="141"/>
        <source>The layout &quot;%1&quot; cannot be played: it holds %2 tiles, and a deal needs an even number of tiles from 2 to 144.</source>
        <translation>Impossibile giocare lo schema &quot;%1&quot;: contiene %2 tessere, ma una distribuzione richiede un numero pari di tessere da 2 a 144.</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="122"/>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>&quot;%1&quot; è una cartella, non un file</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="127"/>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>impossibile aprire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="133"/>
        <source>cannot read &quot;%1&quot;</source>
        <translation>impossibile leggere &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="154"/>
        <location filename="../src/base/Files.cpp" line="164"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="168"/>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>impossibile sostituire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/layouts/LayoutInPlay.h" line="13"/>
        <location filename="../src/shell/Startup.cpp" line="112"/>
        <source>External Layout</source>
        <translation>Schema esterno</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="130"/>
        <source>tile %1 is on the board of a game of %2</source>
        <translation>la tessera %1 è sul tavoliere di una partita da %2 tessere</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="134"/>
        <source>the board holds %1 tiles instead of %2</source>
        <translation>il tavoliere contiene %1 tessere invece di %2</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="141"/>
        <source>history entry %1 is wrong</source>
        <translation>la voce %1 della cronologia è errata</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="142"/>
        <source>tile %1 is taken twice</source>
        <translation>la tessera %1 viene tolta due volte</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="145"/>
        <source>the history pairs tile %1 with tile %2, which do not match</source>
        <translation>la cronologia accoppia la tessera %1 con la tessera %2, che non corrispondono</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="150"/>
        <source>tile %1 was taken back but does not stand where it was taken from</source>
        <translation>la tessera %1 è stata rimessa ma non si trova dove era stata tolta</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="153"/>
        <source>tile %1 was taken but is still on the board</source>
        <translation>la tessera %1 è stata tolta ma è ancora sul tavoliere</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="155"/>
        <source>tile %1 was taken from a place that is not free</source>
        <translation>la tessera %1 è stata tolta da un posto non libero</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="160"/>
        <source>a game for one player has the clocks of two</source>
        <translation>una partita per un giocatore ha i cronometri di due</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="175"/>
        <source>the flat game has a layout number</source>
        <translation>la partita di Voverizo Dadazu ha il numero di uno schema</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="176"/>
        <source>a flat game of %1 tiles holds %2</source>
        <translation>una partita di Voverizo Dadazu da %1 tessere ne contiene %2</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="181"/>
        <source>tile %1 is not part of this flat game</source>
        <translation>la tessera %1 non fa parte di questa partita di Voverizo Dadazu</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="185"/>
        <source>a layout game has the number of a flat game</source>
        <translation>una partita su schema ha il numero di una partita di Voverizo Dadazu</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="187"/>
        <source>the layout has %1 places but the game holds %2 tiles</source>
        <translation>lo schema ha %1 posti ma la partita contiene %2 tessere</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="190"/>
        <source>tile %1 stands outside the layout</source>
        <translation>la tessera %1 si trova fuori dallo schema</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="250"/>
        <source>it was saved by another version of the game</source>
        <translation>il file è stato salvato da un&apos;altra versione del gioco</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="251"/>
        <location filename="../src/shell/SavedGameFile.cpp" line="22"/>
        <source>it is not a saved game</source>
        <translation>il file non è una partita salvata</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="253"/>
        <location filename="../src/modes/SavedGameText.cpp" line="257"/>
        <source>it is cut short</source>
        <translation>il file è troncato</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="260"/>
        <source>its checksum line is damaged</source>
        <translation>la riga del checksum è danneggiata</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="262"/>
        <source>it is damaged: its checksum does not match its contents</source>
        <translation>il file è danneggiato: il checksum non corrisponde al contenuto</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="273"/>
        <source>it holds a line it should not: &quot;%1&quot;</source>
        <translation>il file contiene una riga che non dovrebbe esserci: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="274"/>
        <source>it holds &quot;%1&quot; twice</source>
        <translation>il file contiene &quot;%1&quot; due volte</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="277"/>
        <source>its line &quot;%1&quot; is missing</source>
        <translation>manca la riga &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="280"/>
        <source>its line &quot;%1&quot; holds &quot;%2&quot;, which is out of range or unreadable</source>
        <translation>la riga &quot;%1&quot; contiene &quot;%2&quot;, che è fuori intervallo o illeggibile</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="318"/>
        <source>tile %1 and tile %2 share a place</source>
        <translation>la tessera %1 e la tessera %2 occupano lo stesso posto</translation>
    </message>
    <message>
        <location filename="../src/modes/SavedGameText.cpp" line="354"/>
        <source>it does not add up: %1</source>
        <translation>il contenuto non è coerente: %1</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="68"/>
        <location filename="../src/shell/Help.cpp" line="33"/>
        <source>Voverizo Dadazu (Easy)</source>
        <translation>Voverizo Dadazu (facile)</translation>
    </message>
    <message>
        <location filename="../src/modes/Statistics.cpp" line="70"/>
        <location filename="../src/shell/Help.cpp" line="34"/>
        <source>Voverizo Dadazu (Hard)</source>
        <translation>Voverizo Dadazu (difficile)</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tile left</source>
        <translation>%1 tessera rimasta</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="103"/>
        <source>%1 tiles left</source>
        <translation>%1 tessere rimaste</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="167"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="140"/>
        <source>Board</source>
        <translation>Tavoliere</translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="175"/>
        <location filename="../src/platform/HelpWindow.cpp" line="184"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="141"/>
        <location filename="../src/shell/GameMenus.cpp" line="97"/>
        <location filename="../src/shell/GameMenus.h" line="127"/>
        <source>Hall of Fame</source>
        <translation>Albo d&apos;oro</translation>
    </message>
    <message>
        <location filename="../src/platform/DeadEndPanel.cpp" line="19"/>
        <location filename="../src/platform/DeadEndPanel.cpp" line="39"/>
        <source>No more moves</source>
        <translation>Nessuna mossa possibile</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="62"/>
        <source>Mah-Jongg solitaire and Voverizo Dadazu for the Linux desktop.</source>
        <translation>Solitario Mah-Jongg e Voverizo Dadazu per il desktop Linux.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="63"/>
        <source>Tiles, backgrounds, layouts, tunes and sounds were made for this game by its own generators.</source>
        <translation>Tessere, sfondi, schemi, brani e suoni sono stati creati per questo gioco dai suoi stessi generatori.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="66"/>
        <source>Thanks to everyone who played the earlier versions and sent ideas and layouts.</source>
        <translation>Grazie a tutti quelli che hanno giocato alle versioni precedenti e hanno inviato idee e schemi.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="68"/>
        <source>More layouts</source>
        <translation>Altri schemi</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="84"/>
        <source>Velmor - Help</source>
        <translation>Velmor - Aiuto</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="111"/>
        <location filename="../src/shell/GameMenus.cpp" line="95"/>
        <location filename="../src/shell/GameMenus.h" line="125"/>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="112"/>
        <location filename="../src/shell/GameMenus.h" line="115"/>
        <source>What&apos;s New</source>
        <translation>Novità</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="113"/>
        <location filename="../src/shell/GameMenus.h" line="126"/>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="114"/>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="115"/>
        <location filename="../src/shell/GameMenus.h" line="25"/>
        <source>Tiles</source>
        <translation>Tessere</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="119"/>
        <source>Player Name</source>
        <translation>Nome del giocatore</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="121"/>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="58"/>
        <source>Random Seed</source>
        <translation>Seme casuale</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="131"/>
        <source>Choose a specific game number (from 1 to 2,147,483,647)</source>
        <translation>Scegli un numero di partita specifico (da 1 a 2.147.483.647)</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="136"/>
        <source>Activate the game by clicking File -&gt; Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Avvia la partita facendo clic su File -&gt; Solitario Mah-Jongg: Nuova partita specifica</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="142"/>
        <source>Options</source>
        <translation>Opzioni</translation>
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
        <translation>Malus</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="162"/>
        <source>Reset High Scores</source>
        <translation>Azzera record</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Layout</source>
        <translation>Schema</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Started</source>
        <translation>Iniziate</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="190"/>
        <source>Best</source>
        <translation>Migliore</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="191"/>
        <source>Longest</source>
        <translation>Serie più lunga</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="199"/>
        <source>No game has been counted yet.</source>
        <translation>Nessuna partita ancora conteggiata.</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="203"/>
        <source>Reset Statistics</source>
        <translation>Azzera statistiche</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="211"/>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="213"/>
        <source>Return to Velmor</source>
        <translation>Torna a Velmor</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="94"/>
        <source>%1 • in play</source>
        <translation>%1 • in gioco</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="103"/>
        <source>Velmor - Choose Layout</source>
        <translation>Velmor - Scegli schema</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="108"/>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="110"/>
        <source>Type part of a layout&apos;s name</source>
        <translation>Scrivi parte del nome di uno schema</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="172"/>
        <source>Double-click a layout or press Return to play it.</source>
        <translation>Fai doppio clic su uno schema o premi Invio per giocarci.</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="175"/>
        <source>&amp;Play Layout</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="74"/>
        <source>&amp;Play</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="177"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="226"/>
        <source>No layout&apos;s name holds “%1”.</source>
        <translation>Nessuno schema ha “%1” nel nome.</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="199"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="123"/>
        <source>Tiles left</source>
        <translation>Tessere rimaste</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="208"/>
        <location filename="../src/platform/MainWindowMenus.cpp" line="124"/>
        <source>Layout Name</source>
        <translation>Nome dello schema</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="123"/>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="122"/>
        <source>Back</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="468"/>
        <location filename="../src/shell/GameMenus.h" line="124"/>
        <source>Shuffle</source>
        <translation>Mescola</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>Restart</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="469"/>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <location filename="../src/platform/QtPlatform.cpp" line="173"/>
        <source>No preview</source>
        <translation>Nessuna anteprima</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="82"/>
        <location filename="../src/shell/DeadEnd.cpp" line="27"/>
        <source>      SORRY, NO MORE MOVES !!</source>
        <translation>      SPIACENTE, NON CI SONO PIÙ MOSSE!!</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="89"/>
        <source>Player 1 %1  ·  ▶ Player 2 %2</source>
        <translation>Giocatore 1 %1  ·  ▶ Giocatore 2 %2</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="90"/>
        <source>▶ Player 1 %1  ·  Player 2 %2</source>
        <translation>▶ Giocatore 1 %1  ·  Giocatore 2 %2</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="98"/>
        <location filename="../src/shell/GameKeeper.cpp" line="136"/>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="99"/>
        <location filename="../src/shell/GameKeeper.cpp" line="137"/>
        <source>Play</source>
        <translation>Gioca</translation>
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
        <translation>Nuovo schema</translation>
    </message>
    <message>
        <location filename="../src/shell/Editor.cpp" line="48"/>
        <source>You haven&apos;t finished building the layout yet !</source>
        <translation>Non hai ancora finito di costruire lo schema!</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="59"/>
        <source>Vertical variation</source>
        <translation>Variante verticale</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="60"/>
        <source>If you want to change the game mode, you&apos;ll have to restart your game. Do you wish to continue ?</source>
        <translation>Per cambiare modalità di gioco devi ricominciare la partita. Vuoi continuare?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="91"/>
        <source>The layout &quot;%1&quot; has %2 tiles; a layout needs an even number of tiles from 2 to 144.</source>
        <translation>Lo schema &quot;%1&quot; ha %2 tessere; uno schema richiede un numero pari di tessere da 2 a 144.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="124"/>
        <source>This layout cannot be dealt winnable: dealt at random.</source>
        <translation>Questo schema non ammette una distribuzione risolvibile: distribuito a caso.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="157"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="100"/>
        <source>Specific Board started. Random Seed #%1</source>
        <translation>Partita specifica avviata. Seme casuale n. %1</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="160"/>
        <source>New game started.</source>
        <translation>Nuova partita avviata.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="172"/>
        <source>Velmor %1 - Voverizo Dadazu (Hard)</source>
        <translation>Velmor %1 - Voverizo Dadazu (difficile)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="174"/>
        <source>Velmor %1 - Voverizo Dadazu (Easy)</source>
        <translation>Velmor %1 - Voverizo Dadazu (facile)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="176"/>
        <source>Velmor %1 - %2 - game %3</source>
        <translation>Velmor %1 - %2 - partita %3</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="177"/>
        <source>Velmor %1 - %2</source>
        <translation>Velmor %1 - %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="179"/>
        <source>Velmor %1 - game %2</source>
        <translation>Velmor %1 - partita %2</translation>
    </message>
    <message>
        <location filename="../src/shell/GameCommands.cpp" line="180"/>
        <source>Velmor %1</source>
        <translation>Velmor %1</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="85"/>
        <source>cannot create the folder &quot;%1&quot;: %2</source>
        <translation>impossibile creare la cartella &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/base/Files.cpp" line="86"/>
        <source>not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="14"/>
        <source>Velmor saved games (*.vsave)|*.vsave</source>
        <translation>Partite salvate di Velmor (*.vsave)|*.vsave</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="29"/>
        <source>The game in progress could not be kept: %1.</source>
        <translation>Impossibile conservare la partita in corso: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="42"/>
        <source>The game in progress cannot be continued: %1.</source>
        <translation>Impossibile continuare la partita in corso: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="46"/>
        <source>Game resumed.</source>
        <translation>Partita ripresa.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="56"/>
        <source>The game in progress cannot be continued: %1. It was kept as &quot;%2&quot;. A new game starts.</source>
        <translation>Impossibile continuare la partita in corso: %1. È stata conservata come &quot;%2&quot;. Inizia una nuova partita.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="59"/>
        <source>The game in progress cannot be continued: %1. A new game starts.</source>
        <translation>Impossibile continuare la partita in corso: %1. Inizia una nuova partita.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="71"/>
        <source>There is no game in progress to save.</source>
        <translation>Non c&apos;è nessuna partita in corso da salvare.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="75"/>
        <source>Save Game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="81"/>
        <source>The game was not saved: %1.</source>
        <translation>La partita non è stata salvata: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="85"/>
        <source>Game saved as &quot;%1&quot;.</source>
        <translation>Partita salvata come &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="91"/>
        <location filename="../src/shell/GameKeeper.cpp" line="101"/>
        <source>Load Game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="97"/>
        <location filename="../src/shell/GameKeeper.cpp" line="106"/>
        <source>The saved game cannot be loaded: %1.</source>
        <translation>Impossibile caricare la partita salvata: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="102"/>
        <source>A game is in progress. Leave it and load &quot;%1&quot;?</source>
        <translation>C&apos;è una partita in corso. Vuoi abbandonarla e caricare &quot;%1&quot;?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="111"/>
        <source>Game loaded.</source>
        <translation>Partita caricata.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameKeeper.cpp" line="121"/>
        <source>its layout &quot;%1&quot; is no longer there</source>
        <translation>il suo schema &quot;%1&quot; non c&apos;è più</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="88"/>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="89"/>
        <source>Undo move</source>
        <translation>Annulla la mossa</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="90"/>
        <source>Redo move</source>
        <translation>Ripeti la mossa</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="91"/>
        <source>Show possible moves</source>
        <translation>Mostra le mosse possibili</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="92"/>
        <source>Shuffle tiles</source>
        <translation>Mescola le tessere</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="93"/>
        <source>Pause game</source>
        <translation>Metti in pausa la partita</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="94"/>
        <source>Pause music</source>
        <translation>Metti in pausa la musica</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="96"/>
        <source>About Velmor</source>
        <translation>Informazioni su Velmor</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.cpp" line="98"/>
        <source>Quit Velmor</source>
        <translation>Esci da Velmor</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="27"/>
        <source>Moves left</source>
        <translation>Mosse rimaste</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="31"/>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="33"/>
        <source>&amp;Show Time Left</source>
        <translation>Mostra &amp;tempo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="34"/>
        <source>Show &amp;Moves Left</source>
        <translation>Mostra &amp;mosse rimaste</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="35"/>
        <source>Cool Status</source>
        <translation>Stato elegante</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="38"/>
        <source>M&amp;usic</source>
        <translation>&amp;Musica</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="39"/>
        <source>Random Music</source>
        <translation>Musica casuale</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="40"/>
        <source>Play music</source>
        <translation>Riproduci musica</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="41"/>
        <source>Play sound effects</source>
        <translation>Riproduci effetti sonori</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="42"/>
        <source>Run music automatically at startup</source>
        <translation>Avvia automaticamente la musica all&apos;avvio</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="43"/>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="44"/>
        <source>Music &amp;Volume</source>
        <translation>&amp;Volume musica</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="45"/>
        <source>E&amp;ffects Volume</source>
        <translation>Volume e&amp;ffetti</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="48"/>
        <source>Mah-Jongg Solitaire : New Fully Random Game</source>
        <translation>Solitario Mah-Jongg: Nuova partita completamente casuale</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="51"/>
        <source>Mah-Jongg Solitaire : New Random Specific Game</source>
        <translation>Solitario Mah-Jongg: Nuova partita specifica casuale</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="52"/>
        <source>Mah-Jongg Solitaire : New Specific Game</source>
        <translation>Solitario Mah-Jongg: Nuova partita specifica</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="53"/>
        <source>Solitaire (1-player)</source>
        <translation>Solitario (1 giocatore)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="54"/>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="55"/>
        <source>Winnable Layouts (in at least one way)</source>
        <translation>Schemi risolvibili (in almeno un modo)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="56"/>
        <source>Winnable Shuffles (in at least one way)</source>
        <translation>Mescolate risolvibili (in almeno un modo)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="57"/>
        <source>Animate Board while building the tiles</source>
        <translation>Anima il tavoliere durante la disposizione delle tessere</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="59"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="60"/>
        <source>Vertical Variation</source>
        <translation>Variante verticale</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="61"/>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="62"/>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="65"/>
        <source>&amp;Layout</source>
        <translation>&amp;Schema</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="66"/>
        <source>&amp;Choose Layout…</source>
        <translation>S&amp;cegli schema…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="67"/>
        <source>&amp;Import Layout…</source>
        <translation>&amp;Importa schema…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="68"/>
        <source>Create Layout</source>
        <translation>Crea schema</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="69"/>
        <source>Edit Layout</source>
        <translation>Modifica schema</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="73"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="75"/>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="76"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="77"/>
        <source>Hi&amp;ghlight</source>
        <translation>&amp;Evidenziazione</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="78"/>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="81"/>
        <source>Mah-Jongg Solitaire : New 2-Player Game</source>
        <translation>Solitario Mah-Jongg: Nuova partita a 2 giocatori</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="82"/>
        <source>Mah-Jongg Rivers : New Game (Easy)</source>
        <translation>Fiumi Mah-Jongg: Nuova partita (facile)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="83"/>
        <source>Mah-Jongg Rivers : New Game (Hard)</source>
        <translation>Fiumi Mah-Jongg: Nuova partita (difficile)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="84"/>
        <source>Solitaire (2-player)</source>
        <translation>Solitario (2 giocatori)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="85"/>
        <source>MJ Rivers (Easy)</source>
        <translation>Fiumi MJ (facile)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="86"/>
        <source>MJ Rivers (Hard)</source>
        <translation>Fiumi MJ (difficile)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="87"/>
        <source>&amp;Save Game…</source>
        <translation>&amp;Salva partita…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="88"/>
        <source>&amp;Load Game…</source>
        <translation>&amp;Carica partita…</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="89"/>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="90"/>
        <source>&amp;Back</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="91"/>
        <source>R&amp;edo</source>
        <translation>Rip&amp;eti</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="92"/>
        <source>&amp;Restart</source>
        <translation>Ricom&amp;incia</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="93"/>
        <source>Can I Still &amp;Win?</source>
        <translation>Posso ancora &amp;vincere?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="94"/>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="95"/>
        <source>Watch Winnability</source>
        <translation>Controlla se si può ancora vincere</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="97"/>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="98"/>
        <source>Shu&amp;ffle</source>
        <translation>&amp;Mescola</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="99"/>
        <source>Show &amp;Toolbar</source>
        <translation>Mostra barra degli &amp;strumenti</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="100"/>
        <source>Show Status Bar</source>
        <translation>Mostra barra di stato</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="101"/>
        <source>Show Hall of &amp;Fame</source>
        <translation>Mostra &amp;Albo d&apos;oro</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="102"/>
        <source>F&amp;ull Screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="103"/>
        <source>Cool Toolbar</source>
        <translation>Barra strumenti elegante</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="104"/>
        <source>Cool Buttons</source>
        <translation>Pulsanti eleganti</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="105"/>
        <source>Cool Menu</source>
        <translation>Menu elegante</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="106"/>
        <source>Cool Mouse</source>
        <translation>Mouse elegante</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="107"/>
        <source>Show Current Tile</source>
        <translation>Mostra tessera corrente</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="108"/>
        <source>Only Possible Moves</source>
        <translation>Solo mosse possibili</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="109"/>
        <source>Switch to 800x600 at startup</source>
        <translation>Passa a 800x600 all&apos;avvio</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="110"/>
        <source>Begin game directly at startup</source>
        <translation>Inizia subito una partita all&apos;avvio</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="111"/>
        <source>Resume Last Game</source>
        <translation>Riprendi l&apos;ultima partita</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="112"/>
        <source>Enable time tracking for the Hall of fame</source>
        <translation>Attiva il cronometro per l&apos;Albo d&apos;oro</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="113"/>
        <source>Animate Tile Rivers in Voverizo Dadazu</source>
        <translation>Anima i fiumi di tessere in Voverizo Dadazu</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="114"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="116"/>
        <source>French Help</source>
        <translation>Aiuto in francese</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="117"/>
        <source>View Tiles</source>
        <translation>Vedi tessere</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="118"/>
        <source>&amp;Player Name</source>
        <translation>Nome del &amp;giocatore</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="119"/>
        <source>&amp;Hall of Fame</source>
        <translation>&amp;Albo d&apos;oro</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="120"/>
        <source>&amp;Statistics</source>
        <translation>S&amp;tatistiche</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="121"/>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="128"/>
        <location filename="../src/shell/GameMenus.h" line="158"/>
        <location filename="../src/shell/GameMenus.h" line="162"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="132"/>
        <location filename="../src/shell/GameMenus.h" line="150"/>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="133"/>
        <source>Red Rectangle</source>
        <translation>Rettangolo rosso</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="134"/>
        <source>Colored Tile</source>
        <translation>Tessera colorata</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="135"/>
        <source>Green Rectangle</source>
        <translation>Rettangolo verde</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="136"/>
        <source>Blue Rectangle</source>
        <translation>Rettangolo blu</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="137"/>
        <source>&amp;Invert selection</source>
        <translation>In&amp;verti selezione</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="138"/>
        <source>Enable 3D shadows on tilesets</source>
        <translation>Attiva ombre 3D sulle tessere</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="141"/>
        <source>Tileset</source>
        <translation>Set di tessere</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="142"/>
        <location filename="../src/shell/GameMenus.h" line="149"/>
        <source>Load from disk</source>
        <translation>Carica da disco</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="143"/>
        <source>Orange borders</source>
        <translation>Bordi arancioni</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="144"/>
        <source>Dark borders</source>
        <translation>Bordi scuri</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="145"/>
        <source>Blue borders</source>
        <translation>Bordi blu</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="146"/>
        <source>Few Colors</source>
        <translation>Pochi colori</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="147"/>
        <source>High Contrast</source>
        <translation>Alto contrasto</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="148"/>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="151"/>
        <source>&amp;Dragons</source>
        <translation>&amp;Draghi</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="152"/>
        <source>Andromeda</source>
        <translation>Andromeda</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="153"/>
        <source>&amp;Kanji (classic)</source>
        <translation>&amp;Kanji (classico)</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="154"/>
        <source>Catpats</source>
        <translation>Catpats</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="159"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="160"/>
        <source>Save as...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="161"/>
        <source>Try it</source>
        <translation>Prova</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="163"/>
        <source>Move Board</source>
        <translation>Sposta tavoliere</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="164"/>
        <source>Move to left &lt;</source>
        <translation>Sposta a sinistra &lt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="165"/>
        <source>Move to right &gt;</source>
        <translation>Sposta a destra &gt;</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="166"/>
        <source>Move to top /\</source>
        <translation>Sposta in alto /\</translation>
    </message>
    <message>
        <location filename="../src/shell/GameMenus.h" line="167"/>
        <source>Move to bottom \/</source>
        <translation>Sposta in basso \/</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="14"/>
        <source>The statistics could not be read: %1. They are not counted this time.</source>
        <translation>Impossibile leggere le statistiche: %1. Per questa volta non vengono aggiornate.</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="44"/>
        <location filename="../src/shell/Help.cpp" line="113"/>
        <source>Please confirm...</source>
        <translation>Conferma...</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="45"/>
        <source>Do you really want to reset the statistics of every layout and of Voverizo Dadazu ?</source>
        <translation>Vuoi davvero azzerare le statistiche di tutti gli schemi e di Voverizo Dadazu?</translation>
    </message>
    <message>
        <location filename="../src/shell/GameRecords.cpp" line="61"/>
        <source>The statistics were not saved: %1.</source>
        <translation>Le statistiche non sono state salvate: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="38"/>
        <source>Player 2 WON ! Congratulations !</source>
        <translation>Il giocatore 2 ha vinto! Complimenti!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="41"/>
        <source>Same score for both players !</source>
        <translation>Stesso punteggio per entrambi i giocatori!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="44"/>
        <source>Player 1 WON ! Congratulations !</source>
        <translation>Il giocatore 1 ha vinto! Complimenti!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="58"/>
        <source>The demo cleared the board.</source>
        <translation>La demo ha svuotato il tavoliere.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="67"/>
        <source>Congratulations !! You WON !</source>
        <translation>Complimenti!! Hai VINTO!</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="69"/>
        <source>You WON ! Your time is : %1</source>
        <translation>Hai VINTO! Il tuo tempo è: %1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="96"/>
        <source>Two-Player Solitaire started.</source>
        <translation>Solitario a 2 giocatori avviato.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="116"/>
        <source>PLAY 1</source>
        <translation>GIOC. 1</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="117"/>
        <source>PLAY 2</source>
        <translation>GIOC. 2</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="140"/>
        <source>The Hall of Fame could not be read: %1.</source>
        <translation>Impossibile leggere l&apos;Albo d&apos;oro: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="159"/>
        <location filename="../src/shell/HallAndEnd.cpp" line="166"/>
        <source>The Hall of Fame was not saved: %1.</source>
        <translation>L&apos;Albo d&apos;oro non è stato salvato: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="185"/>
        <source>HALL OF</source>
        <translation>ALBO</translation>
    </message>
    <message>
        <location filename="../src/shell/HallAndEnd.cpp" line="186"/>
        <source>FAME</source>
        <translation>D&apos;ORO</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="19"/>
        <source>The Hall of Fame of &quot;%1&quot; held 1 unreadable entry; it was replaced by empty places.</source>
        <translation>L&apos;Albo d&apos;oro di &quot;%1&quot; conteneva 1 voce illeggibile; è stata sostituita da un posto vuoto.</translation>
    </message>
    <message>
        <location filename="../src/shell/HallOfFameFile.cpp" line="20"/>
        <source>The Hall of Fame of &quot;%1&quot; held %2 unreadable entries; they were replaced by empty places.</source>
        <translation>L&apos;Albo d&apos;oro di &quot;%1&quot; conteneva %2 voci illeggibili; sono state sostituite da posti vuoti.</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="32"/>
        <source>%1 Layout</source>
        <translation>Schema %1</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Craks (4 times each)</source>
        <translation>Caratteri (4 ciascuno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="59"/>
        <source>Bamboos (4 times each)</source>
        <translation>Bambù (4 ciascuno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Dots (4 times each)</source>
        <translation>Cerchi (4 ciascuno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="60"/>
        <source>Flowers (once each)</source>
        <translation>Fiori (1 ciascuno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Seasons (once each)</source>
        <translation>Stagioni (1 ciascuna)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="61"/>
        <source>Winds (4 times each)</source>
        <translation>Venti (4 ciascuno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="62"/>
        <source>Dragons (4 times each)</source>
        <translation>Draghi (4 ciascuno)</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="70"/>
        <source>You reached rank #%1, %2 !</source>
        <translation>Hai raggiunto la posizione n. %1, %2!</translation>
    </message>
    <message>
        <location filename="../src/shell/Help.cpp" line="114"/>
        <source>Do you really want to remove the Hall of Fame entries for this layout ?</source>
        <translation>Vuoi davvero cancellare le voci dell&apos;Albo d&apos;oro per questo schema?</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="100"/>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>impossibile leggere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="105"/>
        <source>&quot;%1&quot; is not a plain file</source>
        <translation>&quot;%1&quot; non è un file normale</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="109"/>
        <location filename="../src/shell/IniFile.cpp" line="115"/>
        <source>&quot;%1&quot; is too large to be a settings file</source>
        <translation>&quot;%1&quot; è troppo grande per essere un file di impostazioni</translation>
    </message>
    <message>
        <location filename="../src/shell/IniFile.cpp" line="300"/>
        <source>no settings file was read, so none can be written</source>
        <translation>non è stato letto nessun file di impostazioni, quindi non se ne può scrivere nessuno</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <source>Greensleeves</source>
        <translation>Greensleeves</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Jasmine</source>
        <translation>Gelsomino</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="16"/>
        <source>Lanterns</source>
        <translation>Lanterne</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="17"/>
        <source>Night</source>
        <translation>Notte</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="17"/>
        <source>Sakura</source>
        <translation>Sakura</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="45"/>
        <source>No tune was found in &quot;%1&quot;. Velmor needs its tunes (.mid files) there.</source>
        <translation>Nessun brano trovato in &quot;%1&quot;. Velmor ha bisogno dei suoi brani (file .mid) in quella cartella.</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="74"/>
        <source>No music: %1.</source>
        <translation>Niente musica: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="59"/>
        <source>System</source>
        <translation>Lingua del sistema</translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="74"/>
        <source>Velmor cannot speak this language: %1.</source>
        <translation>Velmor non può usare questa lingua: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="17"/>
        <source>Layouts from other games (*.layout *.map)|*.layout;*.map</source>
        <translation>Schemi di altri giochi (*.layout *.map)|*.layout;*.map</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="42"/>
        <location filename="../src/shell/LayoutChoice.cpp" line="70"/>
        <source>Import Layout</source>
        <translation>Importa schema</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="50"/>
        <source>%1. No layout was imported.</source>
        <translation>%1. Nessuno schema è stato importato.</translation>
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
        <translation>Lo schema &quot;%1&quot; esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="84"/>
        <source>From &quot;%1&quot;:</source>
        <translation>Da &quot;%1&quot;:</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="86"/>
        <source>%1
Imported into the Layout menu: %2.</source>
        <translation>%1
Importati nel menu Schema: %2.</translation>
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
Rifiutati: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="93"/>
        <source>%1
Kept as they were: %2.</source>
        <translation>%1
Lasciati invariati: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="95"/>
        <source>%1
No layout was imported.</source>
        <translation>%1
Nessuno schema è stato importato.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChoice.cpp" line="100"/>
        <source>%1
The Layout menu holds %2 layouts at most; %3 were left out: %4.</source>
        <translation>%1
Il menu Schema contiene al massimo %2 schemi; ne sono stati esclusi %3: %4.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="69"/>
        <source>Cannot be read</source>
        <translation>Illeggibile</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="70"/>
        <source>No heap of its own</source>
        <translation>Nessuna pila propria</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layer</source>
        <translation>%1 strato</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="71"/>
        <source>%1 layers</source>
        <translation>%1 strati</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Best %1</source>
        <translation>Miglior tempo %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="76"/>
        <source>Not won yet</source>
        <translation>Non ancora vinto</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once, best %1</source>
        <translation>Vinto una volta, miglior tempo %1</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="77"/>
        <source>Won once</source>
        <translation>Vinto una volta</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="78"/>
        <source>Won %1 times, best %2</source>
        <translation>Vinto %1 volte, miglior tempo %2</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="79"/>
        <source>Won %1 times</source>
        <translation>Vinto %1 volte</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="84"/>
        <source>Counting the deals that can be cleared</source>
        <translation>Conteggio delle partite risolvibili</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutChooserModel.cpp" line="86"/>
        <source>%1 % of deals can be cleared</source>
        <translation>Il %1 % delle partite si può risolvere</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="21"/>
        <source>Welcome to Velmor %1 : Mah-Jongg solitaire for Linux. Have fun !</source>
        <translation>Benvenuto in Velmor %1: solitario Mah-Jongg per Linux. Buon divertimento!</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="25"/>
        <source>Layout %1 selected.</source>
        <translation>Schema %1 selezionato.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="40"/>
        <source>%1 The current layout stays.</source>
        <translation>%1 Resta lo schema attuale.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="74"/>
        <source>%1 Velmor starts with the layout &quot;%2&quot; instead.</source>
        <translation>%1 Velmor si avvia invece con lo schema &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="130"/>
        <source>No layout was found in &quot;%1&quot;. Velmor needs at least one layout file (.lay or .shp) there to play.</source>
        <translation>Nessuno schema trovato in &quot;%1&quot;. Per giocare, Velmor ha bisogno di almeno un file di schema (.lay o .shp) in quella cartella.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="139"/>
        <source>The Layout menu holds 99 layouts at most; %1 more were left out: %2.</source>
        <translation>Il menu Schema contiene al massimo 99 schemi; ne sono stati esclusi altri %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="173"/>
        <source>Please choose a name for your layout file</source>
        <translation>Scegli un nome per il file del tuo schema</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="174"/>
        <source>LAY Layout files (*.lay)|*.lay</source>
        <translation>File di schema LAY (*.lay)|*.lay</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="184"/>
        <source>Save layout</source>
        <translation>Salva schema</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="185"/>
        <source>The layout file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Il file di schema &quot;%1&quot; esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="199"/>
        <source>The layout was not saved: %1.</source>
        <translation>Lo schema non è stato salvato: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/LayoutCommands.cpp" line="218"/>
        <source>The layout was saved, but the Layout menu holds 99 layouts at most, so it is not listed.</source>
        <translation>Lo schema è stato salvato, ma il menu Schema contiene al massimo 99 schemi, quindi non compare nell&apos;elenco.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="18"/>
        <source>The picture &quot;%1&quot; could not be loaded: %2.</source>
        <translation>Impossibile caricare l&apos;immagine &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="44"/>
        <source>Please choose a Tileset bitmap file</source>
        <translation>Scegli un file bitmap per il set di tessere</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="45"/>
        <source>Tileset files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>File di set di tessere (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="63"/>
        <source>Please choose a Background bitmap file</source>
        <translation>Scegli un file bitmap per lo sfondo</translation>
    </message>
    <message>
        <location filename="../src/shell/Looks.cpp" line="64"/>
        <source>Background files (*.bmp; *.jpg)|*.bmp;*.jpg</source>
        <translation>File di sfondo (*.bmp; *.jpg)|*.bmp;*.jpg</translation>
    </message>
    <message>
        <location filename="../src/shell/Platform.h" line="54"/>
        <source>there is no sound here</source>
        <translation>nessun dispositivo audio disponibile</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="115"/>
        <source>Game restarted.</source>
        <translation>Partita ricominciata.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="142"/>
        <source>Tiles shuffled. %1 new moves found.</source>
        <translation>Tessere mescolate. Trovate %1 nuove mosse.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="144"/>
        <source>Tiles shuffled. 1 new move found.</source>
        <translation>Tessere mescolate. Trovata 1 nuova mossa.</translation>
    </message>
    <message>
        <location filename="../src/shell/Play.cpp" line="146"/>
        <source>No moves found. Try to press Back a few times.</source>
        <translation>Nessuna mossa trovata. Prova a premere Annulla qualche volta.</translation>
    </message>
    <message>
        <location filename="../src/shell/Rivers.cpp" line="23"/>
        <source>Voverizo Dadazu started.</source>
        <translation>Voverizo Dadazu avviato.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="92"/>
        <source>The text does not begin with {\rtf, so it is not RTF.</source>
        <translation>Il testo non inizia con {\rtf, quindi non è RTF.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="101"/>
        <source>The groups are nested deeper than %1 levels.</source>
        <translation>I gruppi sono annidati oltre %1 livelli.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="154"/>
        <source>The text ends inside an open group, so it is cut short or a &apos;}&apos; is missing.</source>
        <translation>Il testo finisce dentro un gruppo aperto: è troncato o manca una &apos;}&apos;.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="159"/>
        <source>A &apos;}&apos; closes a group that was never opened.</source>
        <translation>Una &apos;}&apos; chiude un gruppo che non è mai stato aperto.</translation>
    </message>
    <message>
        <location filename="../src/shell/RtfReader.cpp" line="486"/>
        <source>The text is larger than %1 MB, too large for a help text.</source>
        <translation>Il testo supera %1 MB, troppo per un testo di aiuto.</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="18"/>
        <source>there is no file &quot;%1&quot;</source>
        <translation>il file &quot;%1&quot; non esiste</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="38"/>
        <source>too many damaged copies of &quot;%1&quot; lie beside it</source>
        <translation>accanto a &quot;%1&quot; ci sono troppe copie danneggiate</translation>
    </message>
    <message>
        <location filename="../src/shell/SavedGameFile.cpp" line="44"/>
        <source>cannot rename &quot;%1&quot;: %2</source>
        <translation>impossibile rinominare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="16"/>
        <source>The solver answers in a one-player game.</source>
        <translation>Il risolutore risponde solo nelle partite a un giocatore.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="21"/>
        <source>Looking for a way to clear the board...</source>
        <translation>Cerco un modo per svuotare il tavoliere...</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="36"/>
        <source>Looking for a way to clear the board</source>
        <translation>Cerco un modo per svuotare il tavoliere</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="65"/>
        <source>Still winnable.</source>
        <translation>Si può ancora vincere.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="66"/>
        <source>Still winnable</source>
        <translation>Si può ancora vincere</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="70"/>
        <source>No longer winnable — go back %1 pair.</source>
        <translation>Non si può più vincere — torna indietro di %1 coppia.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="72"/>
        <source>No longer winnable — go back %1 pairs.</source>
        <translation>Non si può più vincere — torna indietro di %1 coppie.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="74"/>
        <source>No longer winnable.</source>
        <translation>Non si può più vincere.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="75"/>
        <source>No longer winnable</source>
        <translation>Non si può più vincere</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="78"/>
        <source>The solver could not tell in time whether the game can still be won.</source>
        <translation>Il risolutore non è riuscito a stabilire in tempo se la partita si può ancora vincere.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="79"/>
        <source>Not known whether the game can still be won</source>
        <translation>Non si sa se la partita si può ancora vincere</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="120"/>
        <source>Demo: the game plays itself. Click or press a key to take over.</source>
        <translation>Demo: la partita si gioca da sola. Fai clic o premi un tasto per prendere il controllo.</translation>
    </message>
    <message>
        <location filename="../src/shell/ClockAndStatus.cpp" line="101"/>
        <source>Game paused: press F12 or click Play to go on.</source>
        <translation>Gioco in pausa: premi F12 o fai clic su Gioca per continuare.</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="56"/>
        <source>Back 1 pair and it can be won</source>
        <translation>Annulla 1 coppia e si può vincere</translation>
    </message>
    <message>
        <location filename="../src/shell/DeadEnd.cpp" line="57"/>
        <source>Back %1 pairs and it can be won</source>
        <translation>Annulla %1 coppie e si può vincere</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="127"/>
        <source>Demo stopped.</source>
        <translation>Demo interrotta.</translation>
    </message>
    <message>
        <location filename="../src/shell/SolverPlay.cpp" line="149"/>
        <source>Demo: no move is left.</source>
        <translation>Demo: non resta nessuna mossa.</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="14"/>
        <source>Very Quiet</source>
        <translation>Molto basso</translation>
    </message>
    <message>
        <location filename="../src/shell/SoundLevels.cpp" line="15"/>
        <source>Quiet</source>
        <translation>Basso</translation>
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
        <translation>Massimo</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="56"/>
        <source>The settings could not be read: %1. The defaults apply.</source>
        <translation>Impossibile leggere le impostazioni: %1. Si usano i valori predefiniti.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="118"/>
        <source>Velmor cannot start without a readable layout.</source>
        <translation>Velmor non può avviarsi senza uno schema leggibile.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="145"/>
        <source>The help text &quot;%1&quot; could not be read: %2. Velmor cannot start without it.</source>
        <translation>Impossibile leggere il testo di aiuto &quot;%1&quot;: %2. Velmor non può avviarsi senza.</translation>
    </message>
    <message>
        <location filename="../src/shell/Startup.cpp" line="188"/>
        <source>The settings were not saved: %1.</source>
        <translation>Le impostazioni non sono state salvate: %1.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="13"/>
        <source>The statistics file is too large to be read; the statistics start afresh.</source>
        <translation>Il file delle statistiche è troppo grande per essere letto; le statistiche ripartono da zero.</translation>
    </message>
    <message>
        <location filename="../src/shell/StatisticsFile.cpp" line="14"/>
        <source>Some statistics could not be read and count as zero: %1.</source>
        <translation>Alcune statistiche sono illeggibili e valgono zero: %1.</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="14"/>
        <source>Cat</source>
        <translation>Gatto</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="117"/>
        <source>Fish</source>
        <translation>Pesce</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="203"/>
        <source>Butterfly</source>
        <translation>Farfalla</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="262"/>
        <source>Owl</source>
        <translation>Gufo</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="317"/>
        <source>Turtle</source>
        <translation>Tartaruga</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/AnimalLayouts.cpp" line="402"/>
        <source>Snail</source>
        <translation>Lumaca</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="14"/>
        <source>Castle</source>
        <translation>Castello</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/BuildingLayouts.cpp" line="63"/>
        <source>Temple</source>
        <translation>Tempio</translation>
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
        <translation>Tradizionale</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="101"/>
        <source>Pyramid</source>
        <translation>Piramide</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="188"/>
        <source>Bridge</source>
        <translation>Ponte</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="272"/>
        <source>Fortress</source>
        <translation>Fortezza</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="363"/>
        <source>Crab</source>
        <translation>Granchio</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="450"/>
        <source>Archipelago</source>
        <translation>Arcipelago</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="495"/>
        <source>Towers</source>
        <translation>Torri</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="599"/>
        <source>Brickwork</source>
        <translation>Muro di mattoni</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/Layouts.cpp" line="660"/>
        <source>Spiral</source>
        <translation>Spirale</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="16"/>
        <source>Meadow</source>
        <translation>Prato</translation>
    </message>
    <message>
        <location filename="../src/shell/Jukebox.cpp" line="15"/>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="58"/>
        <source>Garden</source>
        <translation>Giardino</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="102"/>
        <source>Stones</source>
        <translation>Sassi</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="149"/>
        <source>Honeycomb</source>
        <translation>Nido d&apos;ape</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="195"/>
        <source>Waves</source>
        <translation>Onde</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="241"/>
        <source>Checkers</source>
        <translation>Scacchiera</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/OpenLayouts.cpp" line="288"/>
        <source>Scales</source>
        <translation>Scaglie</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="16"/>
        <source>Vault</source>
        <translation>Caveau</translation>
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
        <translation>Ziggurat</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="318"/>
        <source>Volcano</source>
        <translation>Vulcano</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="405"/>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SteepLayouts.cpp" line="488"/>
        <source>Mountain</source>
        <translation>Montagna</translation>
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
        <translation>Cuore</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="257"/>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="318"/>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="393"/>
        <source>Arrow</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <location filename="../tools/layoutgen/SymbolLayouts.cpp" line="467"/>
        <source>Ring</source>
        <translation>Anello</translation>
    </message>
</context>
</TS>
