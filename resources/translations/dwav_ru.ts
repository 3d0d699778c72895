<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DWAVModule</name>
    <message>
        <source>DWAV Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already initialized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1 not found at %2 slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module at %1 slot isn&apos;t %2, found module has module code %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV is initialized!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returned status (%1) Message: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV is NOT configured! Press &quot;Configure&quot; button first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start by command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel index %1 is out of range (0 or 1 expected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selftest error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selftest passed without errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The RAM test needs %1 arguments (start address, size, mode, read only), got %2; the test was not run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The RAM test arguments are not valid numbers; the test was not run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown service test %1; nothing was run.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dimensions</name>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>µs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstrumentConfigurationSearch</name>
    <message>
        <source>Searching devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while searching connected devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search connected devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check device: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check device: %1, position: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstrumentSelectionDialog</name>
    <message>
        <source>Instrument selection dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please, select instrument to work with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search connected devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected devices not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device was found. The panel will be opened in DEMO mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device was selected in table! The panel will be opened in DEMO mode. Do you want to proceed?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainApp</name>
    <message>
        <source>Not managed to load translation file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not managed to load translation &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An exception occured during application execution: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unknown exception occured during application execution</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AWG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplitude, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase, grad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level limits, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index modulation, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq. deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase deviation, °</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper bound, Uup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise time, Tup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower bound, Udn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall time, Tdn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise coefficient, Tup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall coefficient, Tdn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period, T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duty factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level, Uup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points count (n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period T, ns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycles C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packets P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On whole sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On each packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 1/I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 2/Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose AWG data file to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify file to save AWG settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from file to AWG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save from AWG to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UInt16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulator settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query config parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV Panel - %1 at position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV Panel - DEMO mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV is initialized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not managed to initialize DWAV, error: &apos;%1&apos;. The panel is in DEMO mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV has been configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV has been reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push Configure button before start!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV is stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV started by command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV Program start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awaits command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an informational string!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tcont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tcard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument error: &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument version check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awaits event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV was configured to start by Command. Push &quot;Program start&quot; button at Synchronization settings panel to start generation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWAV will be started after setted delay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal is being generated.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PointTables</name>
    <message>
        <source>Signal period %1 s is not a positive time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample rate %1 samples/s is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal period %1 s is too long for the point table at %2 samples/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle rise time %1 s is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle fall time %1 s is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle fall time %1 s is too short: the table of %2 points has no point left for the fall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impulse duty factor %1 % is outside 0 to 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impulse rise %1 % is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impulse fall %1 % is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impulse rise %1 % and fall %2 % add up to more than 100 % of the period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impulse duty factor %1 % with rise %2 % leaves no point for the fall to start from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impulse duty factor %1 %, rise %2 % and fall %3 % do not fit the table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
