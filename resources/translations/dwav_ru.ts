<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Начать калибровку</translation>
    </message>
    <message>
        <source>Access control</source>
        <translation>Контроль доступа</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Read ROM</source>
        <translation>Чтение ПЗУ</translation>
    </message>
    <message>
        <source>Write ROM</source>
        <translation>Запись ПЗУ</translation>
    </message>
    <message>
        <source>Calibration results</source>
        <translation>Результаты калибровки</translation>
    </message>
    <message>
        <source>Calibration panel</source>
        <translation>Панель калибровки</translation>
    </message>
    <message>
        <source>Calibration is in progress. Wait for it finished...</source>
        <translation>Идёт калибровка. Дождитесь её завершения...</translation>
    </message>
    <message>
        <source>Calibration data was successfully loaded from EEPROM</source>
        <translation>Калибровочные данные успешно загружены из ППЗУ</translation>
    </message>
    <message>
        <source>Loading calibration data from EEPROM failed</source>
        <translation>Не удалось загрузить калибровочные данные из ППЗУ</translation>
    </message>
    <message>
        <source>Calibration data was successfully saved to EEPROM</source>
        <translation>Калибровочные данные успешно сохранены в ППЗУ</translation>
    </message>
    <message>
        <source>Saving calibration data to EEPROM failed</source>
        <translation>Не удалось сохранить калибровочные данные в ППЗУ</translation>
    </message>
    <message>
        <source>DWAV is not initialized!</source>
        <translation>Модуль DWAV не инициализирован!</translation>
    </message>
    <message>
        <source>Cannot start calibration</source>
        <translation>Невозможно начать калибровку</translation>
    </message>
    <message>
        <source>Calibration restricted</source>
        <translation>Калибровка недоступна</translation>
    </message>
    <message>
        <source>For calibration please run &quot;%1&quot; from panel installation folder.</source>
        <translation>Для калибровки запустите «%1» из папки установки панели.</translation>
    </message>
    <message>
        <source>To start calibration please check channel in calibration table.</source>
        <translation>Чтобы начать калибровку, отметьте канал в таблице калибровки.</translation>
    </message>
    <message>
        <source>ADC calibration message</source>
        <translation>Калибровка АЦП</translation>
    </message>
    <message>
        <source>Connect DWAV channel 1 output to &quot;Контроль&quot; input on DWAV front module panel with SMB-SMB cable</source>
        <translation>Соедините выход канала 1 модуля DWAV со входом «Контроль» на передней панели модуля кабелем SMB-SMB</translation>
    </message>
    <message>
        <source>Channel %1 calibration connection</source>
        <translation>Подключение для калибровки канала %1</translation>
    </message>
    <message>
        <source>Connect &quot;КН%1&quot; output to &quot;HI&quot; and &quot;LO&quot; inputs of multimeter Agilent 3458A</source>
        <translation>Соедините выход «КН%1» со входами «HI» и «LO» мультиметра Agilent 3458A</translation>
    </message>
    <message>
        <source>Calibration started for chan %1...</source>
        <translation>Начата калибровка канала %1...</translation>
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
        <translation>Ошибка калибровки</translation>
    </message>
    <message>
        <source>Library &quot;hp3458a.dll&quot; needed for calibration is not found!
To perform calibration try executing panel from panel installation folder (e.g. C:/VXIPNP/WINNT/TVKDWAV).</source>
        <translation>Не найдена библиотека «hp3458a.dll», необходимая для калибровки!
Для калибровки запустите панель из папки её установки (например, C:/VXIPNP/WINNT/TVKDWAV).</translation>
    </message>
    <message>
        <source>Calibration succeeded!</source>
        <translation>Калибровка успешно завершена!</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Калибровать</translation>
    </message>
    <message>
        <source>Chan</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Range/Rn</source>
        <translation>Диапазон/Rн</translation>
    </message>
    <message>
        <source>Coefficient type</source>
        <translation>Тип коэффициента</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Коэфф.</translation>
    </message>
    <message>
        <source>1 V</source>
        <translation>1 В</translation>
    </message>
    <message>
        <source>10 V</source>
        <translation>10 В</translation>
    </message>
    <message>
        <source>AUX DAC</source>
        <translation>Доп. ЦАП</translation>
    </message>
    <message>
        <source>DAC Gain</source>
        <translation>Усиление ЦАП</translation>
    </message>
    <message>
        <source>N OFFSET</source>
        <translation>N СМЕЩЕНИЕ</translation>
    </message>
    <message>
        <source>K OFFSET</source>
        <translation>K СМЕЩЕНИЕ</translation>
    </message>
    <message>
        <source>Control 1:1</source>
        <translation>Контроль 1:1</translation>
    </message>
    <message>
        <source>Control 1:5</source>
        <translation>Контроль 1:5</translation>
    </message>
    <message>
        <source>50 Ohm</source>
        <translation>50 Ом</translation>
    </message>
    <message>
        <source>100 kOhm</source>
        <translation>100 кОм</translation>
    </message>
    <message>
        <source>ADC Offset</source>
        <translation>Смещение АЦП</translation>
    </message>
    <message>
        <source>ADC Range</source>
        <translation>Диапазон АЦП</translation>
    </message>
</context>
<context>
    <name>ChanSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Канал 1</translation>
    </message>
    <message>
        <source>Range, V</source>
        <translation>Диапазон, В</translation>
    </message>
    <message>
        <source>Offset, V</source>
        <translation>Смещение, В</translation>
    </message>
    <message>
        <source>Load Resist., Ohm</source>
        <translation>Сопр. нагрузки, Ом</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Канал 2</translation>
    </message>
    <message>
        <source>1 V</source>
        <translation>1 В</translation>
    </message>
    <message>
        <source>1 V (diff. output)</source>
        <translation>1 В (дифф. выход)</translation>
    </message>
    <message>
        <source>10 V</source>
        <translation>10 В</translation>
    </message>
    <message>
        <source>Channel settings</source>
        <translation>Настройки каналов</translation>
    </message>
</context>
<context>
    <name>CommonSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Data speed, Msample/s</source>
        <translation>Скорость данных, Мвыб/с</translation>
    </message>
    <message>
        <source>Sampling frequency, MHz</source>
        <translation>Частота дискретизации, МГц</translation>
    </message>
    <message>
        <source>Source Frequency</source>
        <translation>Опорная частота</translation>
    </message>
    <message>
        <source>Inner</source>
        <translation>Внутренняя</translation>
    </message>
    <message>
        <source>Outer</source>
        <translation>Внешняя</translation>
    </message>
    <message>
        <source>SF Output</source>
        <translation>Выход ОЧ</translation>
    </message>
    <message>
        <source>Output source frequency</source>
        <translation>Выходная опорная частота</translation>
    </message>
    <message>
        <source>SF state</source>
        <translation>Состояние ОЧ</translation>
    </message>
    <message>
        <source>SF capture</source>
        <translation>Захват ОЧ</translation>
    </message>
    <message>
        <source>Start source</source>
        <translation>Источник запуска</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Program command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Mezanine carrier</source>
        <translation>Носитель</translation>
    </message>
    <message>
        <source>Input &quot;Start&quot;</source>
        <translation>Вход «Старт»</translation>
    </message>
    <message>
        <source>Start delay</source>
        <translation>Задержка запуска</translation>
    </message>
    <message>
        <source>Command Start</source>
        <translation>Запуск командой</translation>
    </message>
    <message>
        <source>Event form (input &quot;Start&quot;)</source>
        <translation>Событие на входе «Старт»</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Фронт</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Срез</translation>
    </message>
    <message>
        <source>5 MHz</source>
        <translation>5 МГц</translation>
    </message>
    <message>
        <source>10 MHz</source>
        <translation>10 МГц</translation>
    </message>
    <message>
        <source>20 MHz</source>
        <translation>20 МГц</translation>
    </message>
    <message>
        <source>25 MHz</source>
        <translation>25 МГц</translation>
    </message>
    <message>
        <source>30 MHz</source>
        <translation>30 МГц</translation>
    </message>
    <message>
        <source>40 MHz</source>
        <translation>40 МГц</translation>
    </message>
    <message>
        <source>50 MHz</source>
        <translation>50 МГц</translation>
    </message>
    <message>
        <source>60 MHz</source>
        <translation>60 МГц</translation>
    </message>
    <message>
        <source>75 MHz</source>
        <translation>75 МГц</translation>
    </message>
    <message>
        <source>100 MHz</source>
        <translation>100 МГц</translation>
    </message>
    <message>
        <source>150 MHz</source>
        <translation>150 МГц</translation>
    </message>
    <message>
        <source>300 MHz</source>
        <translation>300 МГц</translation>
    </message>
    <message>
        <source>Synchronization settings</source>
        <translation>Настройки синхронизации</translation>
    </message>
    <message>
        <source>To start DWAV by command please check &quot;Command start&quot; radio button.</source>
        <translation>Чтобы запустить DWAV командой, выберите источник запуска «Команда».</translation>
    </message>
    <message>
        <source>Cannot start DWAV by command</source>
        <translation>Невозможно запустить DWAV командой</translation>
    </message>
</context>
<context>
    <name>DWAVModule</name>
    <message>
        <source>DWAV Module</source>
        <translation>Модуль DWAV</translation>
    </message>
    <message>
        <source>DWAV</source>
        <translation>DWAV</translation>
    </message>
    <message>
        <source>%1 already initialized</source>
        <translation>%1 уже инициализирован</translation>
    </message>
    <message>
        <source>Module %1 not found at %2 slot</source>
        <translation>Модуль %1 не найден в позиции %2</translation>
    </message>
    <message>
        <source>Module at %1 slot isn&apos;t %2, found module has module code %3</source>
        <translation>Модуль в позиции %1 не является модулем %2, код найденного модуля %3</translation>
    </message>
    <message>
        <source>DWAV is initialized!</source>
        <translation>DWAV инициализирован!</translation>
    </message>
    <message>
        <source>Returned status (%1) Message: %2</source>
        <translation>Возвращённый статус (%1) Сообщение: %2</translation>
    </message>
    <message>
        <source>DWAV is NOT configured! Press &quot;Configure&quot; button first.</source>
        <translation>DWAV НЕ сконфигурирован! Сначала нажмите кнопку «Конфигурировать».</translation>
    </message>
    <message>
        <source>Program start</source>
        <translation>Программный запуск</translation>
    </message>
    <message>
        <source>Start by command</source>
        <translation>Запуск по команде</translation>
    </message>
    <message>
        <source>Channel index %1 is out of range (0 or 1 expected)</source>
        <translation>Индекс канала %1 вне диапазона (ожидается 0 или 1)</translation>
    </message>
    <message>
        <source>Selftest error:</source>
        <translation>Ошибка самотестирования:</translation>
    </message>
    <message>
        <source>Selftest passed without errors.</source>
        <translation>Самотестирование прошло без ошибок.</translation>
    </message>
    <message>
        <source>The RAM test needs %1 arguments (start address, size, mode, read only), got %2; the test was not run.</source>
        <translation>Тесту ОЗУ нужно %1 аргумента (начальный адрес, размер, режим, только чтение), получено %2; тест не выполнялся.</translation>
    </message>
    <message>
        <source>The RAM test arguments are not valid numbers; the test was not run.</source>
        <translation>Аргументы теста ОЗУ не являются числами; тест не выполнялся.</translation>
    </message>
    <message>
        <source>Unknown service test %1; nothing was run.</source>
        <translation>Неизвестный сервисный тест %1; ничего не выполнялось.</translation>
    </message>
    <message>
        <source>Time unit multiplier %1 of %2 is not a known unit</source>
        <translation>Множитель единицы времени %1 для %2 не является известной единицей</translation>
    </message>
    <message>
        <source>Panel settings were not saved to %1: %2</source>
        <translation>Настройки панели не сохранены в %1: %2</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>не задано имя файла</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>настройки не удалось записать</translation>
    </message>
    <message>
        <source>Panel settings were not loaded from %1: %2</source>
        <translation>Настройки панели не загружены из %1: %2</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>the file is too large to be a settings file</source>
        <translation>файл слишком велик для файла настроек</translation>
    </message>
    <message>
        <source>Signal form %1 of channel %2 is not known</source>
        <translation>Неизвестная форма сигнала %1 канала %2</translation>
    </message>
    <message>
        <source>%1/%2 holds %3, which is none of its values; it keeps %4</source>
        <translation>%1/%2 содержит значение %3, которого нет среди допустимых; сохранено прежнее значение %4</translation>
    </message>
    <message>
        <source>the file holds no panel settings</source>
        <translation>файл не содержит настроек панели</translation>
    </message>
    <message>
        <source>%1 lacks these keys, loaded as 0 or empty: %2</source>
        <translation>В файле %1 нет следующих ключей, они загружены как 0 или пустые: %2</translation>
    </message>
    <message>
        <source>%1/%2 is missing and names no unit; it keeps %3</source>
        <translation>Ключ %1/%2 отсутствует и не задаёт единицу измерения; сохранено прежнее значение %3</translation>
    </message>
</context>
<context>
    <name>Dimensions</name>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>µs</source>
        <translation>мкс</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>нс</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>кГц</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
</context>
<context>
    <name>InstrumentConfigurationSearch</name>
    <message>
        <source>Searching devices...</source>
        <translation>Поиск устройств...</translation>
    </message>
    <message>
        <source>Please wait while searching connected devices...</source>
        <translation>Подождите, идёт поиск подключённых устройств...</translation>
    </message>
    <message>
        <source>Search connected devices...</source>
        <translation>Поиск подключённых устройств...</translation>
    </message>
    <message>
        <source>Check device: %1</source>
        <translation>Проверка устройства: %1</translation>
    </message>
    <message>
        <source>Check device: %1, position: %2</source>
        <translation>Проверка устройства: %1, позиция: %2</translation>
    </message>
    <message>
        <source>Instrument search: %1 failed for &quot;%2&quot; with status 0x%3: %4</source>
        <translation>Поиск приборов: вызов %1 для «%2» завершился со статусом 0x%3: %4</translation>
    </message>
    <message>
        <source>The VISA resource manager could not be opened (status 0x%1).</source>
        <translation>Не удалось открыть менеджер ресурсов VISA (статус 0x%1).</translation>
    </message>
    <message>
        <source>The VISA search for instruments failed (status 0x%1).</source>
        <translation>Поиск приборов средствами VISA завершился ошибкой (статус 0x%1).</translation>
    </message>
    <message>
        <source>%1, position %2</source>
        <translation>%1, позиция %2</translation>
    </message>
</context>
<context>
    <name>InstrumentSelectionDialog</name>
    <message>
        <source>Instrument selection dialog</source>
        <translation>Выбор прибора</translation>
    </message>
    <message>
        <source>Please, select instrument to work with</source>
        <translation>Выберите прибор для работы</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Search connected devices</source>
        <translation>Поиск подключённых устройств</translation>
    </message>
    <message>
        <source>Connected devices not found.</source>
        <translation>Подключённые устройства не найдены.</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>Устройства не найдены</translation>
    </message>
    <message>
        <source>No device was found. The panel will be opened in DEMO mode.</source>
        <translation>Устройства не найдены. Панель будет открыта в демонстрационном режиме.</translation>
    </message>
    <message>
        <source>No device selected</source>
        <translation>Устройство не выбрано</translation>
    </message>
    <message>
        <source>No device was selected in table! The panel will be opened in DEMO mode. Do you want to proceed?</source>
        <translation>В таблице не выбрано устройство! Панель будет открыта в демонстрационном режиме. Продолжить?</translation>
    </message>
    <message>
        <source>Connected devices could not be searched: %1 The log file holds the details.</source>
        <translation>Не удалось выполнить поиск подключённых приборов: %1 Подробности записаны в файл журнала.</translation>
    </message>
</context>
<context>
    <name>MainApp</name>
    <message>
        <source>DWAV panel can&apos;t be created: the host&apos;s application object is a %1, not a QApplication</source>
        <translation>Панель DWAV не может быть создана: объект приложения вызывающей программы — %1, а не QApplication</translation>
    </message>
    <message>
        <source>DWAV panel can&apos;t be created: position %1 is open for another carrier, &quot;%2&quot;</source>
        <translation>Панель DWAV не может быть создана: позиция %1 открыта для другого носителя, &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Панель DWAV</translation>
    </message>
    <message>
        <source>Function generator</source>
        <translation>Функц. генератор</translation>
    </message>
    <message>
        <source>AWG</source>
        <translation>AWG</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Канал 1</translation>
    </message>
    <message>
        <source>Signal form</source>
        <translation>Форма сигнала</translation>
    </message>
    <message>
        <source>Amplitude, V</source>
        <translation>Амплитуда, В</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Phase, grad</source>
        <translation>Фаза, град</translation>
    </message>
    <message>
        <source>Level limits, V</source>
        <translation>Границы уровня, В</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Верхняя</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Нижняя</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Модуляция</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Index modulation, %</source>
        <translation>Индекс модуляции, %</translation>
    </message>
    <message>
        <source>Freq. deviation</source>
        <translation>Девиация частоты</translation>
    </message>
    <message>
        <source>Phase deviation, °</source>
        <translation>Девиация фазы, °</translation>
    </message>
    <message>
        <source>Modulation frequency</source>
        <translation>Част. модуляции</translation>
    </message>
    <message>
        <source>Upper bound, Uup</source>
        <translation>Верхний уровень, Uup</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Rise time, Tup</source>
        <translation>Время нарастания, Tup</translation>
    </message>
    <message>
        <source>Lower bound, Udn</source>
        <translation>Нижний уровень, Udn</translation>
    </message>
    <message>
        <source>Fall time, Tdn</source>
        <translation>Время спада, Tdn</translation>
    </message>
    <message>
        <source>Rise coefficient, Tup</source>
        <translation>Коэф. нарастания, Tup</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Fall coefficient, Tdn</source>
        <translation>Коэф. спада, Tdn</translation>
    </message>
    <message>
        <source>Period, T</source>
        <translation>Период, T</translation>
    </message>
    <message>
        <source>Duty factor</source>
        <translation>Коэф. заполнения</translation>
    </message>
    <message>
        <source>Level, Uup</source>
        <translation>Уровень, Uup</translation>
    </message>
    <message>
        <source>Load points</source>
        <translation>Загрузить точки</translation>
    </message>
    <message>
        <source>Save points</source>
        <translation>Сохранить точки</translation>
    </message>
    <message>
        <source>Points count (n)</source>
        <translation>Число точек (n)</translation>
    </message>
    <message>
        <source>Period T, ns</source>
        <translation>Период T, нс</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Канал 2</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Samples N</source>
        <translation>Отсчёты N</translation>
    </message>
    <message>
        <source>Cycles C</source>
        <translation>Циклы C</translation>
    </message>
    <message>
        <source>Packets P</source>
        <translation>Пакеты P</translation>
    </message>
    <message>
        <source>Output mode</source>
        <translation>Режим вывода</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Циклический</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Непрерывный</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Режим запуска</translation>
    </message>
    <message>
        <source>On whole sequence</source>
        <translation>Вся последовательность</translation>
    </message>
    <message>
        <source>On each packet</source>
        <translation>Каждый пакет</translation>
    </message>
    <message>
        <source>Choose channels</source>
        <translation>Выбор каналов</translation>
    </message>
    <message>
        <source>Both channels</source>
        <translation>Оба канала</translation>
    </message>
    <message>
        <source>Channel 1/I</source>
        <translation>Канал 1/I</translation>
    </message>
    <message>
        <source>Channel 2/Q</source>
        <translation>Канал 2/Q</translation>
    </message>
    <message>
        <source>Generate from file</source>
        <translation>Генерировать из файла</translation>
    </message>
    <message>
        <source>Choose AWG data file to load</source>
        <translation>Выберите файл данных для загрузки в генератор</translation>
    </message>
    <message>
        <source>Switch paths</source>
        <translation>Поменять пути</translation>
    </message>
    <message>
        <source>Specify file to save AWG settings</source>
        <translation>Укажите файл для сохранения данных генератора</translation>
    </message>
    <message>
        <source>Load from file to AWG</source>
        <translation>Файл → генератор</translation>
    </message>
    <message>
        <source>Compare files</source>
        <translation>Сравнить файлы</translation>
    </message>
    <message>
        <source>Save from AWG to file</source>
        <translation>Генератор → файл</translation>
    </message>
    <message>
        <source>Data format</source>
        <translation>Формат данных</translation>
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
        <translation>Настройки каналов</translation>
    </message>
    <message>
        <source>Synchronization settings</source>
        <translation>Настройки синхр.</translation>
    </message>
    <message>
        <source>Modulator settings</source>
        <translation>Настройки модулятора</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Конфигурировать</translation>
    </message>
    <message>
        <source>Config options</source>
        <translation>Параметры конфигурирования</translation>
    </message>
    <message>
        <source>Query config parameters</source>
        <translation>Запрос параметров</translation>
    </message>
    <message>
        <source>Auto config</source>
        <translation>Автоконфигурирование</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>DWAV Panel - %1 at position %2</source>
        <translation>Панель DWAV - %1, позиция %2</translation>
    </message>
    <message>
        <source>DWAV Panel - DEMO mode</source>
        <translation>Панель DWAV - демонстрационный режим</translation>
    </message>
    <message>
        <source>DWAV is initialized.</source>
        <translation>DWAV инициализирован.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Not managed to initialize DWAV, error: &apos;%1&apos;. The panel is in DEMO mode.</source>
        <translation>Не удалось инициализировать DWAV, ошибка: &apos;%1&apos;. Панель в демонстрационном режиме.</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Сконфигурирован</translation>
    </message>
    <message>
        <source>DWAV has been configured</source>
        <translation>DWAV сконфигурирован</translation>
    </message>
    <message>
        <source>DWAV has been reset</source>
        <translation>DWAV сброшен</translation>
    </message>
    <message>
        <source>Push Configure button before start!</source>
        <translation>Перед запуском нажмите кнопку «Конфигурировать»!</translation>
    </message>
    <message>
        <source>Not configured</source>
        <translation>Не сконфигурирован</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлен</translation>
    </message>
    <message>
        <source>DWAV is stopped.</source>
        <translation>DWAV остановлен.</translation>
    </message>
    <message>
        <source>DWAV started by command.</source>
        <translation>DWAV запущен по команде.</translation>
    </message>
    <message>
        <source>DWAV Program start</source>
        <translation>Программный запуск DWAV</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Awaits command</source>
        <translation>Ожидание команды</translation>
    </message>
    <message>
        <source>Delay countdown</source>
        <translation>Отсчёт задержки</translation>
    </message>
    <message>
        <source>This is an informational string!</source>
        <translation>Это информационная строка!</translation>
    </message>
    <message>
        <source>Tcont</source>
        <translation>Tконт</translation>
    </message>
    <message>
        <source>Tcard</source>
        <translation>Tплаты</translation>
    </message>
    <message>
        <source>Instrument error: &apos;%1&apos;</source>
        <translation>Ошибка прибора: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Instrument version check</source>
        <translation>Проверка версии прибора</translation>
    </message>
    <message>
        <source>No generation</source>
        <translation>Нет генерации</translation>
    </message>
    <message>
        <source>Awaits event</source>
        <translation>Ожидание события</translation>
    </message>
    <message>
        <source>DWAV was configured to start by Command. Push &quot;Program start&quot; button at Synchronization settings panel to start generation.</source>
        <translation>DWAV сконфигурирован на запуск по команде. Для запуска генерации нажмите кнопку «Программный запуск» на панели настроек синхронизации.</translation>
    </message>
    <message>
        <source>DWAV will be started after setted delay.</source>
        <translation>DWAV будет запущен после заданной задержки.</translation>
    </message>
    <message>
        <source>Generating</source>
        <translation>Генерация</translation>
    </message>
    <message>
        <source>Signal is being generated.</source>
        <translation>Идёт генерация сигнала.</translation>
    </message>
    <message>
        <source>Switch pannel language</source>
        <translation>Переключить язык панели</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Загрузить настройки</translation>
    </message>
    <message>
        <source>Load panel settings</source>
        <translation>Загрузить настройки панели</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Save panel settings</source>
        <translation>Сохранить настройки панели</translation>
    </message>
    <message>
        <source>Save settings as</source>
        <translation>Сохранить настройки как</translation>
    </message>
    <message>
        <source>Save panel settings as</source>
        <translation>Сохранить настройки панели как</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Switch panel language</source>
        <translation>Переключить язык панели</translation>
    </message>
    <message>
        <source>Close panel</source>
        <translation>Закрыть панель</translation>
    </message>
    <message>
        <source>Close DWAV panel</source>
        <translation>Закрыть панель DWAV</translation>
    </message>
    <message>
        <source>Service panel</source>
        <translation>Сервисная панель</translation>
    </message>
    <message>
        <source>Service and control panel for selftest</source>
        <translation>Панель обслуживания и контроля для самотестирования</translation>
    </message>
    <message>
        <source>Calibration panel</source>
        <translation>Панель калибровки</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Гармонический</translation>
    </message>
    <message>
        <source>Triangular</source>
        <translation>Треугольный</translation>
    </message>
    <message>
        <source>Impulse</source>
        <translation>Импульсный</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Multilevel</source>
        <translation>Многоуровневый</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>АМ</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>ЧМ</translation>
    </message>
    <message>
        <source>LFM</source>
        <translation>ЛЧМ</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>ФМ</translation>
    </message>
    <message>
        <source>FT</source>
        <translation>ЧТ</translation>
    </message>
    <message>
        <source>Level U, V</source>
        <translation>Уровень U, В</translation>
    </message>
    <message>
        <source>Select AWG data file</source>
        <translation>Выберите файл данных AWG</translation>
    </message>
    <message>
        <source>Save points to file</source>
        <translation>Сохранить точки в файл</translation>
    </message>
    <message>
        <source>Select file with points</source>
        <translation>Выберите файл с точками</translation>
    </message>
    <message>
        <source>Load DWAV Panel settings from file</source>
        <translation>Загрузить настройки панели DWAV из файла</translation>
    </message>
    <message>
        <source>Save DWAV Panel settings to file</source>
        <translation>Сохранить настройки панели DWAV в файл</translation>
    </message>
    <message>
        <source>Loading failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>Loaded successfully</source>
        <translation>Загружено успешно</translation>
    </message>
    <message>
        <source>Saving failed</source>
        <translation>Ошибка сохранения</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Сохранено успешно</translation>
    </message>
</context>
<context>
    <name>PointTables</name>
    <message>
        <source>Signal period %1 s is not a positive time</source>
        <translation>Период сигнала %1 с не является положительным временем</translation>
    </message>
    <message>
        <source>Sample rate %1 samples/s is not positive</source>
        <translation>Частота дискретизации %1 отсч./с не положительна</translation>
    </message>
    <message>
        <source>Signal period %1 s is too long for the point table at %2 samples/s</source>
        <translation>Период сигнала %1 с слишком велик для таблицы точек при %2 отсч./с</translation>
    </message>
    <message>
        <source>Triangle rise time %1 s is negative</source>
        <translation>Время нарастания треугольного сигнала %1 с отрицательно</translation>
    </message>
    <message>
        <source>Triangle fall time %1 s is negative</source>
        <translation>Время спада треугольного сигнала %1 с отрицательно</translation>
    </message>
    <message>
        <source>Triangle fall time %1 s is too short: the table of %2 points has no point left for the fall</source>
        <translation>Время спада треугольного сигнала %1 с слишком мало: в таблице из %2 точек не остаётся точек для спада</translation>
    </message>
    <message>
        <source>Impulse duty factor %1 % is outside 0 to 100 %</source>
        <translation>Коэффициент заполнения импульса %1 % вне диапазона от 0 до 100 %</translation>
    </message>
    <message>
        <source>Impulse rise %1 % is negative</source>
        <translation>Нарастание импульса %1 % отрицательно</translation>
    </message>
    <message>
        <source>Impulse fall %1 % is negative</source>
        <translation>Спад импульса %1 % отрицателен</translation>
    </message>
    <message>
        <source>Impulse rise %1 % and fall %2 % add up to more than 100 % of the period</source>
        <translation>Нарастание импульса %1 % и спад %2 % в сумме больше 100 % периода</translation>
    </message>
    <message>
        <source>Impulse duty factor %1 % with rise %2 % leaves no point for the fall to start from</source>
        <translation>Коэффициент заполнения импульса %1 % при нарастании %2 % не оставляет точки для начала спада</translation>
    </message>
    <message>
        <source>Impulse duty factor %1 %, rise %2 % and fall %3 % do not fit the table</source>
        <translation>Коэффициент заполнения импульса %1 %, нарастание %2 % и спад %3 % не помещаются в таблицу</translation>
    </message>
</context>
<context>
    <name>QuadratureModulationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Use Quadrature Modulation</source>
        <translation>Использовать квадратурную модуляцию</translation>
    </message>
    <message>
        <source>Warning: usage of quadrature modulation may cause signal distortion!</source>
        <translation>Внимание: использование квадратурной модуляции может вызвать искажение сигнала!</translation>
    </message>
    <message>
        <source>Data speed</source>
        <translation>Скор. данных</translation>
    </message>
    <message>
        <source>RAM Data</source>
        <translation>ОЗУ</translation>
    </message>
    <message>
        <source>MSample/s</source>
        <translation>Мвыб/с</translation>
    </message>
    <message>
        <source>Premodulation</source>
        <translation>Предмодул.</translation>
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
        <translation>Фильтр sin(x)/x</translation>
    </message>
    <message>
        <source>Adjust I/Q</source>
        <translation>Подстройка I/Q</translation>
    </message>
    <message>
        <source>Offset 1/I, V</source>
        <translation>Смещение 1/I, В</translation>
    </message>
    <message>
        <source>Offset 2/Q, V</source>
        <translation>Смещение 2/Q, В</translation>
    </message>
    <message>
        <source>Phase diff, º</source>
        <translation>Разность фаз, º</translation>
    </message>
    <message>
        <source>NCO modulation</source>
        <translation>Модуляция NCO</translation>
    </message>
    <message>
        <source>NCO freq</source>
        <translation>Частота NCO</translation>
    </message>
    <message>
        <source>NCO attenuation</source>
        <translation>Ослабление NCO</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Invert side band</source>
        <translation>Инверсия бок. полосы</translation>
    </message>
    <message>
        <source>Double data I for both chans</source>
        <translation>Данные I в оба канала</translation>
    </message>
    <message>
        <source>DAC</source>
        <translation>ЦАП</translation>
    </message>
    <message>
        <source>16 bit</source>
        <translation>16 бит</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
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
        <translation>Настройки модулятора</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>ServiceDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Версии</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Тесты</translation>
    </message>
    <message>
        <source>Self control</source>
        <translation>Самоконтроль</translation>
    </message>
    <message>
        <source>OK off</source>
        <translation>ОК выкл.</translation>
    </message>
    <message>
        <source>RAM Test</source>
        <translation>Тест ОЗУ</translation>
    </message>
    <message>
        <source>Test channel 1</source>
        <translation>Тест канала 1</translation>
    </message>
    <message>
        <source>Test channel 2</source>
        <translation>Тест канала 2</translation>
    </message>
    <message>
        <source>Run Tests</source>
        <translation>Запустить тесты</translation>
    </message>
    <message>
        <source>Cycle tests</source>
        <translation>Циклический запуск</translation>
    </message>
    <message>
        <source>RAM Test parameters</source>
        <translation>Параметры теста ОЗУ</translation>
    </message>
    <message>
        <source>Initial address</source>
        <translation>Начальный адрес</translation>
    </message>
    <message>
        <source>Num kilo samples</source>
        <translation>Число килоотсчётов</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>ADC</source>
        <translation>АЦП</translation>
    </message>
    <message>
        <source>Input ADC</source>
        <translation>Вход АЦП</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Канал 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Канал 2</translation>
    </message>
    <message>
        <source>Input &quot;Control&quot;</source>
        <translation>Вход «Контроль»</translation>
    </message>
    <message>
        <source>Input &quot;Control&quot; 1:5</source>
        <translation>Вход «Контроль» 1:5</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Цикл</translation>
    </message>
    <message>
        <source>Poll</source>
        <translation>Опрос</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Service panel</source>
        <translation>Сервисная панель</translation>
    </message>
    <message>
        <source>Running 0</source>
        <translation>Бегущий 0</translation>
    </message>
    <message>
        <source>Running 1</source>
        <translation>Бегущая 1</translation>
    </message>
    <message>
        <source>Address 16 bits</source>
        <translation>Адрес 16 бит</translation>
    </message>
    <message>
        <source>Address 32 bits</source>
        <translation>Адрес 32 бит</translation>
    </message>
    <message>
        <source>Selftest</source>
        <translation>Самоконтроль</translation>
    </message>
    <message>
        <source>Test OK Off 1</source>
        <translation>Тест ОК-выкл. 1</translation>
    </message>
    <message>
        <source>AFG Test channel 1</source>
        <translation>Тест АФГ канала 1</translation>
    </message>
    <message>
        <source>AFG Test channel 2</source>
        <translation>Тест АФГ канала 2</translation>
    </message>
    <message>
        <source>Connect following connectors via cables SMB-SMB:
 - SF OUT with SF IN
 - I/CH1 with START
 - Q/CH2 with CONTROL</source>
        <translation>Соедините кабелями SMB-SMB следующие разъёмы:
 - SF OUT с SF IN
 - I/CH1 с START
 - Q/CH2 с CONTROL</translation>
    </message>
    <message>
        <source>Connect &quot;CH%1&quot; output of DWAV with inputs &quot;HI&quot; and &quot;LO&quot; of multimeter Agilent 3458A via cable SMB-QRV310</source>
        <translation>Соедините выход «CH%1» модуля DWAV со входами «HI» и «LO» мультиметра Agilent 3458A кабелем SMB-QRV310</translation>
    </message>
    <message>
        <source>Tests cannot be started because DWAV was not initialized!
</source>
        <translation>Тесты не могут быть запущены: модуль DWAV не инициализирован!
</translation>
    </message>
    <message>
        <source>Tests started...
</source>
        <translation>Тесты запущены...
</translation>
    </message>
    <message>
        <source> has finished. Result code - %1
</source>
        <translation> завершён. Код результата - %1
</translation>
    </message>
    <message>
        <source>Test message - </source>
        <translation>Сообщение теста - </translation>
    </message>
    <message>
        <source>All tests finished.
</source>
        <translation>Все тесты завершены.
</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Драйвер</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Панель</translation>
    </message>
    <message>
        <source>Calibration date</source>
        <translation>Дата калибровки</translation>
    </message>
    <message>
        <source>Save points to file</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Couldn&apos;t open file %1</source>
        <translation>Не удалось открыть файл %1</translation>
    </message>
    <message>
        <source>Saving tests protocol failed</source>
        <translation>Не удалось сохранить протокол тестов</translation>
    </message>
    <message>
        <source>Couldn&apos;t write file %1</source>
        <translation>Не удалось записать файл %1</translation>
    </message>
</context>
</TS>
