<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <source>Access control</source>
        <translation>Access control</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Read ROM</source>
        <translation>Read ROM</translation>
    </message>
    <message>
        <source>Write ROM</source>
        <translation>Write ROM</translation>
    </message>
    <message>
        <source>Calibration results</source>
        <translation>Calibration results</translation>
    </message>
    <message>
        <source>Calibration panel</source>
        <translation>Calibration panel</translation>
    </message>
    <message>
        <source>Calibration is in progress. Wait for it finished...</source>
        <translation>Calibration is in progress. Wait for it finished...</translation>
    </message>
    <message>
        <source>Calibration data was successfully loaded from EEPROM</source>
        <translation>Calibration data was successfully loaded from EEPROM</translation>
    </message>
    <message>
        <source>Loading calibration data from EEPROM failed</source>
        <translation>Loading calibration data from EEPROM failed</translation>
    </message>
    <message>
        <source>Calibration data was successfully saved to EEPROM</source>
        <translation>Calibration data was successfully saved to EEPROM</translation>
    </message>
    <message>
        <source>Saving calibration data to EEPROM failed</source>
        <translation>Saving calibration data to EEPROM failed</translation>
    </message>
    <message>
        <source>DWAV is not initialized!</source>
        <translation>DWAV is not initialized!</translation>
    </message>
    <message>
        <source>Cannot start calibration</source>
        <translation>Cannot start calibration</translation>
    </message>
    <message>
        <source>Calibration restricted</source>
        <translation>Calibration restricted</translation>
    </message>
    <message>
        <source>For calibration please run &quot;%1&quot; from panel installation folder.</source>
        <translation>For calibration please run &quot;%1&quot; from panel installation folder.</translation>
    </message>
    <message>
        <source>To start calibration please check channel in calibration table.</source>
        <translation>To start calibration please check channel in calibration table.</translation>
    </message>
    <message>
        <source>ADC calibration message</source>
        <translation>ADC calibration message</translation>
    </message>
    <message>
        <source>Connect DWAV channel 1 output to &quot;Контроль&quot; input on DWAV front module panel with SMB-SMB cable</source>
        <translation>Connect DWAV channel 1 output to &quot;Контроль&quot; input on DWAV front module panel with SMB-SMB cable</translation>
    </message>
    <message>
        <source>Channel %1 calibration connection</source>
        <translation>Channel %1 calibration connection</translation>
    </message>
    <message>
        <source>Connect &quot;КН%1&quot; output to &quot;HI&quot; and &quot;LO&quot; inputs of multimeter Agilent 3458A</source>
        <translation>Connect &quot;КН%1&quot; output to &quot;HI&quot; and &quot;LO&quot; inputs of multimeter Agilent 3458A</translation>
    </message>
    <message>
        <source>Calibration started for chan %1...</source>
        <translation>Calibration started for chan %1...</translation>
    </message>
    <message>
        <source>1/I</source>
        <translation>1/I</translation>
    </message>
    <message>
        <source>2/Q</source>
        <translation>2/Q</translation>
    </message>
    <message>
        <source>Calibration error</source>
        <translation>Calibration error</translation>
    </message>
    <message>
        <source>Library &quot;hp3458a.dll&quot; needed for calibration is not found!
To perform calibration try executing panel from panel installation folder (e.g. C:/VXIPNP/WINNT/TVKDWAV).</source>
        <translation>Library &quot;hp3458a.dll&quot; needed for calibration is not found!
To perform calibration try executing panel from panel installation folder (e.g. C:/VXIPNP/WINNT/TVKDWAV).</translation>
    </message>
    <message>
        <source>Calibration succeeded!</source>
        <translation>Calibration succeeded!</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>Chan</source>
        <translation>Chan</translation>
    </message>
    <message>
        <source>Range/Rn</source>
        <translation>Range/Rn</translation>
    </message>
    <message>
        <source>Coefficient type</source>
        <translation>Coefficient type</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>1 V</source>
        <translation>1 V</translation>
    </message>
    <message>
        <source>10 V</source>
        <translation>10 V</translation>
    </message>
    <message>
        <source>AUX DAC</source>
        <translation>AUX DAC</translation>
    </message>
    <message>
        <source>DAC Gain</source>
        <translation>DAC Gain</translation>
    </message>
    <message>
        <source>N OFFSET</source>
        <translation>N OFFSET</translation>
    </message>
    <message>
        <source>K OFFSET</source>
        <translation>K OFFSET</translation>
    </message>
    <message>
        <source>Control 1:1</source>
        <translation>Control 1:1</translation>
    </message>
    <message>
        <source>Control 1:5</source>
        <translation>Control 1:5</translation>
    </message>
    <message>
        <source>50 Ohm</source>
        <translation>50 Ohm</translation>
    </message>
    <message>
        <source>100 kOhm</source>
        <translation>100 kOhm</translation>
    </message>
    <message>
        <source>ADC Offset</source>
        <translation>ADC Offset</translation>
    </message>
    <message>
        <source>ADC Range</source>
        <translation>ADC Range</translation>
    </message>
</context>
<context>
    <name>ChanSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Range, V</source>
        <translation>Range, V</translation>
    </message>
    <message>
        <source>Offset, V</source>
        <translation>Offset, V</translation>
    </message>
    <message>
        <source>Load Resist., Ohm</source>
        <translation>Load Resist., Ohm</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>1 V</source>
        <translation>1 V</translation>
    </message>
    <message>
        <source>1 V (diff. output)</source>
        <translation>1 V (diff. output)</translation>
    </message>
    <message>
        <source>10 V</source>
        <translation>10 V</translation>
    </message>
    <message>
        <source>Channel settings</source>
        <translation>Channel settings</translation>
    </message>
</context>
<context>
    <name>CommonSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Data speed, Msample/s</source>
        <translation>Data speed, Msample/s</translation>
    </message>
    <message>
        <source>Sampling frequency, MHz</source>
        <translation>Sampling frequency, MHz</translation>
    </message>
    <message>
        <source>Source Frequency</source>
        <translation>Source Frequency</translation>
    </message>
    <message>
        <source>Inner</source>
        <translation>Inner</translation>
    </message>
    <message>
        <source>Outer</source>
        <translation>Outer</translation>
    </message>
    <message>
        <source>SF Output</source>
        <translation>SF Output</translation>
    </message>
    <message>
        <source>Output source frequency</source>
        <translation>Output source frequency</translation>
    </message>
    <message>
        <source>SF state</source>
        <translation>SF state</translation>
    </message>
    <message>
        <source>SF capture</source>
        <translation>SF capture</translation>
    </message>
    <message>
        <source>Start source</source>
        <translation>Start source</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Program command</source>
        <translation>Program command</translation>
    </message>
    <message>
        <source>Mezanine carrier</source>
        <translation>Mezanine carrier</translation>
    </message>
    <message>
        <source>Input &quot;Start&quot;</source>
        <translation>Input &quot;Start&quot;</translation>
    </message>
    <message>
        <source>Start delay</source>
        <translation>Start delay</translation>
    </message>
    <message>
        <source>Command Start</source>
        <translation>Command Start</translation>
    </message>
    <message>
        <source>Event form (input &quot;Start&quot;)</source>
        <translation>Event form (input &quot;Start&quot;)</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>5 MHz</source>
        <translation>5 MHz</translation>
    </message>
    <message>
        <source>10 MHz</source>
        <translation>10 MHz</translation>
    </message>
    <message>
        <source>20 MHz</source>
        <translation>20 MHz</translation>
    </message>
    <message>
        <source>25 MHz</source>
        <translation>25 MHz</translation>
    </message>
    <message>
        <source>30 MHz</source>
        <translation>30 MHz</translation>
    </message>
    <message>
        <source>40 MHz</source>
        <translation>40 MHz</translation>
    </message>
    <message>
        <source>50 MHz</source>
        <translation>50 MHz</translation>
    </message>
    <message>
        <source>60 MHz</source>
        <translation>60 MHz</translation>
    </message>
    <message>
        <source>75 MHz</source>
        <translation>75 MHz</translation>
    </message>
    <message>
        <source>100 MHz</source>
        <translation>100 MHz</translation>
    </message>
    <message>
        <source>150 MHz</source>
        <translation>150 MHz</translation>
    </message>
    <message>
        <source>300 MHz</source>
        <translation>300 MHz</translation>
    </message>
    <message>
        <source>Synchronization settings</source>
        <translation>Synchronization settings</translation>
    </message>
    <message>
        <source>To start DWAV by command please check &quot;Command start&quot; radio button.</source>
        <translation>To start DWAV by command please check &quot;Command start&quot; radio button.</translation>
    </message>
    <message>
        <source>Cannot start DWAV by command</source>
        <translation>Cannot start DWAV by command</translation>
    </message>
</context>
<context>
    <name>DWAVModule</name>
    <message>
        <source>DWAV Module</source>
        <translation>DWAV Module</translation>
    </message>
    <message>
        <source>DWAV</source>
        <translation>DWAV</translation>
    </message>
    <message>
        <source>%1 already initialized</source>
        <translation>%1 already initialized</translation>
    </message>
    <message>
        <source>Module %1 not found at %2 slot</source>
        <translation>Module %1 not found at %2 slot</translation>
    </message>
    <message>
        <source>Module at %1 slot isn&apos;t %2, found module has module code %3</source>
        <translation>Module at %1 slot isn&apos;t %2, found module has module code %3</translation>
    </message>
    <message>
        <source>DWAV is initialized!</source>
        <translation>DWAV is initialized!</translation>
    </message>
    <message>
        <source>Returned status (%1) Message: %2</source>
        <translation>Returned status (%1) Message: %2</translation>
    </message>
    <message>
        <source>DWAV is NOT configured! Press &quot;Configure&quot; button first.</source>
        <translation>DWAV is NOT configured! Press &quot;Configure&quot; button first.</translation>
    </message>
    <message>
        <source>Program start</source>
        <translation>Program start</translation>
    </message>
    <message>
        <source>Start by command</source>
        <translation>Start by command</translation>
    </message>
    <message>
        <source>Channel index %1 is out of range (0 or 1 expected)</source>
        <translation>Channel index %1 is out of range (0 or 1 expected)</translation>
    </message>
    <message>
        <source>Selftest error:</source>
        <translation>Selftest error:</translation>
    </message>
    <message>
        <source>Selftest passed without errors.</source>
        <translation>Selftest passed without errors.</translation>
    </message>
    <message>
        <source>The RAM test needs %1 arguments (start address, size, mode, read only), got %2; the test was not run.</source>
        <translation>The RAM test needs %1 arguments (start address, size, mode, read only), got %2; the test was not run.</translation>
    </message>
    <message>
        <source>The RAM test arguments are not valid numbers; the test was not run.</source>
        <translation>The RAM test arguments are not valid numbers; the test was not run.</translation>
    </message>
    <message>
        <source>Unknown service test %1; nothing was run.</source>
        <translation>Unknown service test %1; nothing was run.</translation>
    </message>
    <message>
        <source>Time unit multiplier %1 of %2 is not a known unit</source>
        <translation>Time unit multiplier %1 of %2 is not a known unit</translation>
    </message>
    <message>
        <source>Panel settings were not saved to %1: %2</source>
        <translation>Panel settings were not saved to %1: %2</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>the settings could not be written</translation>
    </message>
    <message>
        <source>Panel settings were not loaded from %1: %2</source>
        <translation>Panel settings were not loaded from %1: %2</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>the file is too large to be a settings file</source>
        <translation>the file is too large to be a settings file</translation>
    </message>
    <message>
        <source>Signal form %1 of channel %2 is not known</source>
        <translation>Signal form %1 of channel %2 is not known</translation>
    </message>
    <message>
        <source>%1/%2 holds %3, which is none of its values; it keeps %4</source>
        <translation>%1/%2 holds %3, which is none of its values; it keeps %4</translation>
    </message>
    <message>
        <source>the file holds no panel settings</source>
        <translation>the file holds no panel settings</translation>
    </message>
    <message>
        <source>%1 lacks these keys, loaded as 0 or empty: %2</source>
        <translation>%1 lacks these keys, loaded as 0 or empty: %2</translation>
    </message>
    <message>
        <source>%1/%2 is missing and names no unit; it keeps %3</source>
        <translation>%1/%2 is missing and names no unit; it keeps %3</translation>
    </message>
</context>
<context>
    <name>Dimensions</name>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>µs</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>ns</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
</context>
<context>
    <name>InstrumentConfigurationSearch</name>
    <message>
        <source>Searching devices...</source>
        <translation>Searching devices...</translation>
    </message>
    <message>
        <source>Please wait while searching connected devices...</source>
        <translation>Please wait while searching connected devices...</translation>
    </message>
    <message>
        <source>Search connected devices...</source>
        <translation>Search connected devices...</translation>
    </message>
    <message>
        <source>Check device: %1</source>
        <translation>Check device: %1</translation>
    </message>
    <message>
        <source>Check device: %1, position: %2</source>
        <translation>Check device: %1, position: %2</translation>
    </message>
    <message>
        <source>Instrument search: %1 failed for &quot;%2&quot; with status 0x%3: %4</source>
        <translation>Instrument search: %1 failed for &quot;%2&quot; with status 0x%3: %4</translation>
    </message>
    <message>
        <source>The VISA resource manager could not be opened (status 0x%1).</source>
        <translation>The VISA resource manager could not be opened (status 0x%1).</translation>
    </message>
    <message>
        <source>The VISA search for instruments failed (status 0x%1).</source>
        <translation>The VISA search for instruments failed (status 0x%1).</translation>
    </message>
    <message>
        <source>%1, position %2</source>
        <translation>%1, position %2</translation>
    </message>
</context>
<context>
    <name>InstrumentSelectionDialog</name>
    <message>
        <source>Instrument selection dialog</source>
        <translation>Instrument selection dialog</translation>
    </message>
    <message>
        <source>Please, select instrument to work with</source>
        <translation>Please, select instrument to work with</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Device type</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Search connected devices</source>
        <translation>Search connected devices</translation>
    </message>
    <message>
        <source>Connected devices not found.</source>
        <translation>Connected devices not found.</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>No device found</translation>
    </message>
    <message>
        <source>No device was found. The panel will be opened in DEMO mode.</source>
        <translation>No device was found. The panel will be opened in DEMO mode.</translation>
    </message>
    <message>
        <source>No device selected</source>
        <translation>No device selected</translation>
    </message>
    <message>
        <source>No device was selected in table! The panel will be opened in DEMO mode. Do you want to proceed?</source>
        <translation>No device was selected in table! The panel will be opened in DEMO mode. Do you want to proceed?</translation>
    </message>
    <message>
        <source>Connected devices could not be searched: %1 The log file holds the details.</source>
        <translation>Connected devices could not be searched: %1 The log file holds the details.</translation>
    </message>
</context>
<context>
    <name>MainApp</name>
    <message>
        <source>DWAV panel can&apos;t be created: the host&apos;s application object is a %1, not a QApplication</source>
        <translation>DWAV panel can&apos;t be created: the host&apos;s application object is a %1, not a QApplication</translation>
    </message>
    <message>
        <source>DWAV panel can&apos;t be created: position %1 is open for another carrier, &quot;%2&quot;</source>
        <translation>DWAV panel can&apos;t be created: position %1 is open for another carrier, &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source>Function generator</source>
        <translation>Function generator</translation>
    </message>
    <message>
        <source>AWG</source>
        <translation>AWG</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Signal form</source>
        <translation>Signal form</translation>
    </message>
    <message>
        <source>Amplitude, V</source>
        <translation>Amplitude, V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Phase, grad</source>
        <translation>Phase, grad</translation>
    </message>
    <message>
        <source>Level limits, V</source>
        <translation>Level limits, V</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Upper</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Index modulation, %</source>
        <translation>Index modulation, %</translation>
    </message>
    <message>
        <source>Freq. deviation</source>
        <translation>Freq. deviation</translation>
    </message>
    <message>
        <source>Phase deviation, °</source>
        <translation>Phase deviation, °</translation>
    </message>
    <message>
        <source>Modulation frequency</source>
        <translation>Modulation frequency</translation>
    </message>
    <message>
        <source>Upper bound, Uup</source>
        <translation>Upper bound, Uup</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Rise time, Tup</source>
        <translation>Rise time, Tup</translation>
    </message>
    <message>
        <source>Lower bound, Udn</source>
        <translation>Lower bound, Udn</translation>
    </message>
    <message>
        <source>Fall time, Tdn</source>
        <translation>Fall time, Tdn</translation>
    </message>
    <message>
        <source>Rise coefficient, Tup</source>
        <translation>Rise coefficient, Tup</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Fall coefficient, Tdn</source>
        <translation>Fall coefficient, Tdn</translation>
    </message>
    <message>
        <source>Period, T</source>
        <translation>Period, T</translation>
    </message>
    <message>
        <source>Duty factor</source>
        <translation>Duty factor</translation>
    </message>
    <message>
        <source>Level, Uup</source>
        <translation>Level, Uup</translation>
    </message>
    <message>
        <source>Load points</source>
        <translation>Load points</translation>
    </message>
    <message>
        <source>Save points</source>
        <translation>Save points</translation>
    </message>
    <message>
        <source>Points count (n)</source>
        <translation>Points count (n)</translation>
    </message>
    <message>
        <source>Period T, ns</source>
        <translation>Period T, ns</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Samples N</source>
        <translation>Samples N</translation>
    </message>
    <message>
        <source>Cycles C</source>
        <translation>Cycles C</translation>
    </message>
    <message>
        <source>Packets P</source>
        <translation>Packets P</translation>
    </message>
    <message>
        <source>Output mode</source>
        <translation>Output mode</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Start mode</translation>
    </message>
    <message>
        <source>On whole sequence</source>
        <translation>On whole sequence</translation>
    </message>
    <message>
        <source>On each packet</source>
        <translation>On each packet</translation>
    </message>
    <message>
        <source>Choose channels</source>
        <translation>Choose channels</translation>
    </message>
    <message>
        <source>Both channels</source>
        <translation>Both channels</translation>
    </message>
    <message>
        <source>Channel 1/I</source>
        <translation>Channel 1/I</translation>
    </message>
    <message>
        <source>Channel 2/Q</source>
        <translation>Channel 2/Q</translation>
    </message>
    <message>
        <source>Generate from file</source>
        <translation>Generate from file</translation>
    </message>
    <message>
        <source>Choose AWG data file to load</source>
        <translation>Choose AWG data file to load</translation>
    </message>
    <message>
        <source>Switch paths</source>
        <translation>Switch paths</translation>
    </message>
    <message>
        <source>Specify file to save AWG settings</source>
        <translation>Specify file to save AWG settings</translation>
    </message>
    <message>
        <source>Load from file to AWG</source>
        <translation>Load from file to AWG</translation>
    </message>
    <message>
        <source>Compare files</source>
        <translation>Compare files</translation>
    </message>
    <message>
        <source>Save from AWG to file</source>
        <translation>Save from AWG to file</translation>
    </message>
    <message>
        <source>Data format</source>
        <translation>Data format</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>UInt16</source>
        <translation>UInt16</translation>
    </message>
    <message>
        <source>Channel settings</source>
        <translation>Channel settings</translation>
    </message>
    <message>
        <source>Synchronization settings</source>
        <translation>Synchronization settings</translation>
    </message>
    <message>
        <source>Modulator settings</source>
        <translation>Modulator settings</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configure</translation>
    </message>
    <message>
        <source>Config options</source>
        <translation>Config options</translation>
    </message>
    <message>
        <source>Query config parameters</source>
        <translation>Query config parameters</translation>
    </message>
    <message>
        <source>Auto config</source>
        <translation>Auto config</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>DWAV Panel - %1 at position %2</source>
        <translation>DWAV Panel - %1 at position %2</translation>
    </message>
    <message>
        <source>DWAV Panel - DEMO mode</source>
        <translation>DWAV Panel - DEMO mode</translation>
    </message>
    <message>
        <source>DWAV is initialized.</source>
        <translation>DWAV is initialized.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Not managed to initialize DWAV, error: &apos;%1&apos;. The panel is in DEMO mode.</source>
        <translation>Not managed to initialize DWAV, error: &apos;%1&apos;. The panel is in DEMO mode.</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Configured</translation>
    </message>
    <message>
        <source>DWAV has been configured</source>
        <translation>DWAV has been configured</translation>
    </message>
    <message>
        <source>DWAV has been reset</source>
        <translation>DWAV has been reset</translation>
    </message>
    <message>
        <source>Push Configure button before start!</source>
        <translation>Push Configure button before start!</translation>
    </message>
    <message>
        <source>Not configured</source>
        <translation>Not configured</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>DWAV is stopped.</source>
        <translation>DWAV is stopped.</translation>
    </message>
    <message>
        <source>DWAV started by command.</source>
        <translation>DWAV started by command.</translation>
    </message>
    <message>
        <source>DWAV Program start</source>
        <translation>DWAV Program start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Awaits command</source>
        <translation>Awaits command</translation>
    </message>
    <message>
        <source>Delay countdown</source>
        <translation>Delay countdown</translation>
    </message>
    <message>
        <source>This is an informational string!</source>
        <translation>This is an informational string!</translation>
    </message>
    <message>
        <source>Tcont</source>
        <translation>Tcont</translation>
    </message>
    <message>
        <source>Tcard</source>
        <translation>Tcard</translation>
    </message>
    <message>
        <source>Instrument error: &apos;%1&apos;</source>
        <translation>Instrument error: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Instrument version check</source>
        <translation>Instrument version check</translation>
    </message>
    <message>
        <source>No generation</source>
        <translation>No generation</translation>
    </message>
    <message>
        <source>Awaits event</source>
        <translation>Awaits event</translation>
    </message>
    <message>
        <source>DWAV was configured to start by Command. Push &quot;Program start&quot; button at Synchronization settings panel to start generation.</source>
        <translation>DWAV was configured to start by Command. Push &quot;Program start&quot; button at Synchronization settings panel to start generation.</translation>
    </message>
    <message>
        <source>DWAV will be started after setted delay.</source>
        <translation>DWAV will be started after setted delay.</translation>
    </message>
    <message>
        <source>Generating</source>
        <translation>Generating</translation>
    </message>
    <message>
        <source>Signal is being generated.</source>
        <translation>Signal is being generated.</translation>
    </message>
    <message>
        <source>Switch pannel language</source>
        <translation>Switch pannel language</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Load settings</translation>
    </message>
    <message>
        <source>Load panel settings</source>
        <translation>Load panel settings</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Save panel settings</source>
        <translation>Save panel settings</translation>
    </message>
    <message>
        <source>Save settings as</source>
        <translation>Save settings as</translation>
    </message>
    <message>
        <source>Save panel settings as</source>
        <translation>Save panel settings as</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Switch panel language</source>
        <translation>Switch panel language</translation>
    </message>
    <message>
        <source>Close panel</source>
        <translation>Close panel</translation>
    </message>
    <message>
        <source>Close DWAV panel</source>
        <translation>Close DWAV panel</translation>
    </message>
    <message>
        <source>Service panel</source>
        <translation>Service panel</translation>
    </message>
    <message>
        <source>Service and control panel for selftest</source>
        <translation>Service and control panel for selftest</translation>
    </message>
    <message>
        <source>Calibration panel</source>
        <translation>Calibration panel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Harmonic</translation>
    </message>
    <message>
        <source>Triangular</source>
        <translation>Triangular</translation>
    </message>
    <message>
        <source>Impulse</source>
        <translation>Impulse</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Multilevel</source>
        <translation>Multilevel</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>LFM</source>
        <translation>LFM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>FT</source>
        <translation>FT</translation>
    </message>
    <message>
        <source>Level U, V</source>
        <translation>Level U, V</translation>
    </message>
    <message>
        <source>Select AWG data file</source>
        <translation>Select AWG data file</translation>
    </message>
    <message>
        <source>Save points to file</source>
        <translation>Save points to file</translation>
    </message>
    <message>
        <source>Select file with points</source>
        <translation>Select file with points</translation>
    </message>
    <message>
        <source>Load DWAV Panel settings from file</source>
        <translation>Load DWAV Panel settings from file</translation>
    </message>
    <message>
        <source>Save DWAV Panel settings to file</source>
        <translation>Save DWAV Panel settings to file</translation>
    </message>
    <message>
        <source>Loading failed</source>
        <translation>Loading failed</translation>
    </message>
    <message>
        <source>Loaded successfully</source>
        <translation>Loaded successfully</translation>
    </message>
    <message>
        <source>Saving failed</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Saved successfully</translation>
    </message>
</context>
<context>
    <name>PointTables</name>
    <message>
        <source>Signal period %1 s is not a positive time</source>
        <translation>Signal period %1 s is not a positive time</translation>
    </message>
    <message>
        <source>Sample rate %1 samples/s is not positive</source>
        <translation>Sample rate %1 samples/s is not positive</translation>
    </message>
    <message>
        <source>Signal period %1 s is too long for the point table at %2 samples/s</source>
        <translation>Signal period %1 s is too long for the point table at %2 samples/s</translation>
    </message>
    <message>
        <source>Triangle rise time %1 s is negative</source>
        <translation>Triangle rise time %1 s is negative</translation>
    </message>
    <message>
        <source>Triangle fall time %1 s is negative</source>
        <translation>Triangle fall time %1 s is negative</translation>
    </message>
    <message>
        <source>Triangle fall time %1 s is too short: the table of %2 points has no point left for the fall</source>
        <translation>Triangle fall time %1 s is too short: the table of %2 points has no point left for the fall</translation>
    </message>
    <message>
        <source>Impulse duty factor %1 % is outside 0 to 100 %</source>
        <translation>Impulse duty factor %1 % is outside 0 to 100 %</translation>
    </message>
    <message>
        <source>Impulse rise %1 % is negative</source>
        <translation>Impulse rise %1 % is negative</translation>
    </message>
    <message>
        <source>Impulse fall %1 % is negative</source>
        <translation>Impulse fall %1 % is negative</translation>
    </message>
    <message>
        <source>Impulse rise %1 % and fall %2 % add up to more than 100 % of the period</source>
        <translation>Impulse rise %1 % and fall %2 % add up to more than 100 % of the period</translation>
    </message>
    <message>
        <source>Impulse duty factor %1 % with rise %2 % leaves no point for the fall to start from</source>
        <translation>Impulse duty factor %1 % with rise %2 % leaves no point for the fall to start from</translation>
    </message>
    <message>
        <source>Impulse duty factor %1 %, rise %2 % and fall %3 % do not fit the table</source>
        <translation>Impulse duty factor %1 %, rise %2 % and fall %3 % do not fit the table</translation>
    </message>
</context>
<context>
    <name>QuadratureModulationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Use Quadrature Modulation</source>
        <translation>Use Quadrature Modulation</translation>
    </message>
    <message>
        <source>Warning: usage of quadrature modulation may cause signal distortion!</source>
        <translation>Warning: usage of quadrature modulation may cause signal distortion!</translation>
    </message>
    <message>
        <source>Data speed</source>
        <translation>Data speed</translation>
    </message>
    <message>
        <source>RAM Data</source>
        <translation>RAM Data</translation>
    </message>
    <message>
        <source>MSample/s</source>
        <translation>MSample/s</translation>
    </message>
    <message>
        <source>Premodulation</source>
        <translation>Premodulation</translation>
    </message>
    <message>
        <source>HB1</source>
        <translation>HB1</translation>
    </message>
    <message>
        <source>HB2</source>
        <translation>HB2</translation>
    </message>
    <message>
        <source>HB3</source>
        <translation>HB3</translation>
    </message>
    <message>
        <source>Filter sin(x)/x</source>
        <translation>Filter sin(x)/x</translation>
    </message>
    <message>
        <source>Adjust I/Q</source>
        <translation>Adjust I/Q</translation>
    </message>
    <message>
        <source>Offset 1/I, V</source>
        <translation>Offset 1/I, V</translation>
    </message>
    <message>
        <source>Offset 2/Q, V</source>
        <translation>Offset 2/Q, V</translation>
    </message>
    <message>
        <source>Phase diff, º</source>
        <translation>Phase diff, º</translation>
    </message>
    <message>
        <source>NCO modulation</source>
        <translation>NCO modulation</translation>
    </message>
    <message>
        <source>NCO freq</source>
        <translation>NCO freq</translation>
    </message>
    <message>
        <source>NCO attenuation</source>
        <translation>NCO attenuation</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Invert side band</source>
        <translation>Invert side band</translation>
    </message>
    <message>
        <source>Double data I for both chans</source>
        <translation>Double data I for both chans</translation>
    </message>
    <message>
        <source>DAC</source>
        <translation>DAC</translation>
    </message>
    <message>
        <source>16 bit</source>
        <translation>16 bit</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>1/I</source>
        <translation>1/I</translation>
    </message>
    <message>
        <source>2/Q</source>
        <translation>2/Q</translation>
    </message>
    <message>
        <source>Modulator settings</source>
        <translation>Modulator settings</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>ServiceDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Self control</source>
        <translation>Self control</translation>
    </message>
    <message>
        <source>OK off</source>
        <translation>OK off</translation>
    </message>
    <message>
        <source>RAM Test</source>
        <translation>RAM Test</translation>
    </message>
    <message>
        <source>Test channel 1</source>
        <translation>Test channel 1</translation>
    </message>
    <message>
        <source>Test channel 2</source>
        <translation>Test channel 2</translation>
    </message>
    <message>
        <source>Run Tests</source>
        <translation>Run Tests</translation>
    </message>
    <message>
        <source>Cycle tests</source>
        <translation>Cycle tests</translation>
    </message>
    <message>
        <source>RAM Test parameters</source>
        <translation>RAM Test parameters</translation>
    </message>
    <message>
        <source>Initial address</source>
        <translation>Initial address</translation>
    </message>
    <message>
        <source>Num kilo samples</source>
        <translation>Num kilo samples</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Read only</translation>
    </message>
    <message>
        <source>ADC</source>
        <translation>ADC</translation>
    </message>
    <message>
        <source>Input ADC</source>
        <translation>Input ADC</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>Input &quot;Control&quot;</source>
        <translation>Input &quot;Control&quot;</translation>
    </message>
    <message>
        <source>Input &quot;Control&quot; 1:5</source>
        <translation>Input &quot;Control&quot; 1:5</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Poll</source>
        <translation>Poll</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Service panel</source>
        <translation>Service panel</translation>
    </message>
    <message>
        <source>Running 0</source>
        <translation>Running 0</translation>
    </message>
    <message>
        <source>Running 1</source>
        <translation>Running 1</translation>
    </message>
    <message>
        <source>Address 16 bits</source>
        <translation>Address 16 bits</translation>
    </message>
    <message>
        <source>Address 32 bits</source>
        <translation>Address 32 bits</translation>
    </message>
    <message>
        <source>Selftest</source>
        <translation>Selftest</translation>
    </message>
    <message>
        <source>Test OK Off 1</source>
        <translation>Test OK Off 1</translation>
    </message>
    <message>
        <source>AFG Test channel 1</source>
        <translation>AFG Test channel 1</translation>
    </message>
    <message>
        <source>AFG Test channel 2</source>
        <translation>AFG Test channel 2</translation>
    </message>
    <message>
        <source>Connect following connectors via cables SMB-SMB:
 - SF OUT with SF IN
 - I/CH1 with START
 - Q/CH2 with CONTROL</source>
        <translation>Connect following connectors via cables SMB-SMB:
 - SF OUT with SF IN
 - I/CH1 with START
 - Q/CH2 with CONTROL</translation>
    </message>
    <message>
        <source>Connect &quot;CH%1&quot; output of DWAV with inputs &quot;HI&quot; and &quot;LO&quot; of multimeter Agilent 3458A via cable SMB-QRV310</source>
        <translation>Connect &quot;CH%1&quot; output of DWAV with inputs &quot;HI&quot; and &quot;LO&quot; of multimeter Agilent 3458A via cable SMB-QRV310</translation>
    </message>
    <message>
        <source>Tests cannot be started because DWAV was not initialized!
</source>
        <translation>Tests cannot be started because DWAV was not initialized!
</translation>
    </message>
    <message>
        <source>Tests started...
</source>
        <translation>Tests started...
</translation>
    </message>
    <message>
        <source> has finished. Result code - %1
</source>
        <translation> has finished. Result code - %1
</translation>
    </message>
    <message>
        <source>Test message - </source>
        <translation>Test message - </translation>
    </message>
    <message>
        <source>All tests finished.
</source>
        <translation>All tests finished.
</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Calibration date</source>
        <translation>Calibration date</translation>
    </message>
    <message>
        <source>Save points to file</source>
        <translation>Save points to file</translation>
    </message>
    <message>
        <source>Couldn&apos;t open file %1</source>
        <translation>Couldn&apos;t open file %1</translation>
    </message>
    <message>
        <source>Saving tests protocol failed</source>
        <translation>Saving tests protocol failed</translation>
    </message>
    <message>
        <source>Couldn&apos;t write file %1</source>
        <translation>Couldn&apos;t write file %1</translation>
    </message>
</context>
</TS>
