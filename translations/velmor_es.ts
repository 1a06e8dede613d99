<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>velmor</name>
    <message>
        <location filename="../src/platform/BoardAccessible.cpp" line="+105"/>
        <source>%1 tile left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 tiles left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/BoardArea.cpp" line="+136"/>
        <location filename="../src/platform/MainWindow.cpp" line="+498"/>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/platform/HelpWindow.cpp" line="+171"/>
        <location filename="../src/platform/MainWindow.cpp" line="+1"/>
        <source>Hall of Fame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/DeadEndPanel.cpp" line="+16"/>
        <location line="+10"/>
        <source>No more moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/HelpWindow.cpp" line="-114"/>
        <source>Mah-Jongg solitaire and Voverizo Dadazu for the Linux desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tiles, backgrounds, layouts, tunes and sounds were made for this game by its own generators.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thanks to everyone who played the earlier versions and sent ideas and layouts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More layouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Velmor - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What&apos;s New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Player Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Random Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose a specific game number (from 1 to 2,147,483,647)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Activate the game by clicking File -&gt; Mah-Jongg Solitaire : New Specific Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Rk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Malus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Reset High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Streak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game has been counted yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Return to Velmor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/LayoutChooser.cpp" line="+86"/>
        <source>Velmor - Choose Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type part of a layout&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Double-click a layout or press Return to play it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No layout&apos;s name holds “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/MainWindow.cpp" line="-406"/>
        <location line="+392"/>
        <source>Tiles left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-383"/>
        <location line="+384"/>
        <source>Layout Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+255"/>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/QtPlatform.cpp" line="+103"/>
        <source>No preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/shell/LanguageChoice.cpp" line="+52"/>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Velmor cannot speak this language: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
