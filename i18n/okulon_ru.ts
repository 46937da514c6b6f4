<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ActionClose</name>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="14"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="28"/>
        <source>Confirm close</source>
        <translation>Подтверждение закрытия</translation>
    </message>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="29"/>
        <source>You are now exiting the video surveillance client</source>
        <translation>Вы выходите из клиента видеонаблюдения</translation>
    </message>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="30"/>
        <source>If you set the video server running, video surveillance recording will continue</source>
        <translation>Если видеосервер оставить запущенным, запись видеонаблюдения продолжится</translation>
    </message>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="31"/>
        <source>Stop also the video surveillance server?</source>
        <translation>Остановить также сервер видеонаблюдения?</translation>
    </message>
</context>
<context>
    <name>AdditionlSettings</name>
    <message>
        <location filename="../qml/devices/deviceEditor/AdditionlSettings.qml" line="35"/>
        <source>Additional settings</source>
        <translation>Дополнительные настройки</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/AdditionlSettings.qml" line="41"/>
        <source>Camera enabled (live picture and recording)</source>
        <translation>Камера включена (живое видео и запись)</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/AdditionlSettings.qml" line="47"/>
        <source>Cut the picture to a region</source>
        <translation>Обрезать кадр до области</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/AdditionlSettings.qml" line="52"/>
        <source>Clip region</source>
        <translation>Область кадра</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/AdditionlSettings.qml" line="60"/>
        <source>Monitor</source>
        <translation>Монитор</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/AdditionlSettings.qml" line="66"/>
        <source>UID</source>
        <translation>UID</translation>
    </message>
</context>
<context>
    <name>Archive</name>
    <message>
        <location filename="../qml/archive/Archive.qml" line="16"/>
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
    <message>
        <location filename="../qml/archive/Archive.qml" line="292"/>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <location filename="../qml/archive/Archive.qml" line="292"/>
        <source>Select a time range on the timeline first.</source>
        <translation>Сначала выберите интервал времени на шкале.</translation>
    </message>
    <message>
        <location filename="../qml/archive/Archive.qml" line="292"/>
        <source>Drag with Shift held down.</source>
        <translation>Протяните мышью с нажатой клавишей Shift.</translation>
    </message>
    <message>
        <location filename="../qml/archive/Archive.qml" line="339"/>
        <source>Export failed</source>
        <translation>Экспорт не удался</translation>
    </message>
    <message>
        <location filename="../qml/archive/Archive.qml" line="343"/>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <location filename="../qml/archive/Archive.qml" line="477"/>
        <source>Please select a folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <location filename="../qml/archive/Archive.qml" line="530"/>
        <source>Click a camera&apos;s line to play its recording</source>
        <translation>Щёлкните по линии камеры, чтобы воспроизвести запись</translation>
    </message>
</context>
<context>
    <name>ArchiveExtendedTable</name>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="49"/>
        <source>Archive extended</source>
        <translation>Архив: выгрузки</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="55"/>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="66"/>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="67"/>
        <source>Youtube status</source>
        <translation>Статус YouTube</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="68"/>
        <source>Telegram status</source>
        <translation>Статус Telegram</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="69"/>
        <source>Youtube privacy</source>
        <translation>Доступ YouTube</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="70"/>
        <source>Time start to youtube</source>
        <translation>Начало выгрузки на YouTube</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="71"/>
        <source>Time end to youtube</source>
        <translation>Конец выгрузки на YouTube</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="72"/>
        <source>Time start to telegram</source>
        <translation>Начало выгрузки в Telegram</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="73"/>
        <source>Time end to telegram</source>
        <translation>Конец выгрузки в Telegram</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="74"/>
        <source>Youtube attempts</source>
        <translation>Попыток YouTube</translation>
    </message>
    <message>
        <location filename="../qml/archiveExternalStatus/table/ArchiveExtendedTable.qml" line="75"/>
        <source>Telegram attempts</source>
        <translation>Попыток Telegram</translation>
    </message>
</context>
<context>
    <name>ArchiveToolBar</name>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="24"/>
        <source>Select day of the archive</source>
        <translation>Выбрать день архива</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="48"/>
        <source>d MMM yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="54"/>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="61"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="75"/>
        <source>Show time-lapse recordings</source>
        <translation>Показывать непрерывную запись</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="90"/>
        <source>Local files</source>
        <translation>Локальные файлы</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="90"/>
        <source>Streamed by the server</source>
        <translation>Поток от сервера</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="91"/>
        <source>Play the clip files here when they can be read, or have the server stream them</source>
        <translation>Воспроизводить файлы записей здесь, если они доступны, или получать поток от сервера</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="107"/>
        <source>Export the selected range to MP4</source>
        <translation>Экспортировать выбранный интервал в MP4</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="132"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="140"/>
        <source>Archive extended</source>
        <translation>Архив: выгрузки</translation>
    </message>
</context>
<context>
    <name>ButtonExit</name>
    <message>
        <location filename="../qml/components/buttons/ButtonExit.qml" line="7"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>ButtonHelp</name>
    <message>
        <location filename="../qml/components/buttons/ButtonHelp.qml" line="7"/>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>CameraPanel</name>
    <message>
        <location filename="../qml/desktop/cameraPanel/CameraPanel.qml" line="74"/>
        <source>Off</source>
        <translation>Выключена</translation>
    </message>
    <message>
        <location filename="../qml/desktop/cameraPanel/CameraPanel.qml" line="75"/>
        <source>Online</source>
        <translation>В сети</translation>
    </message>
    <message>
        <location filename="../qml/desktop/cameraPanel/CameraPanel.qml" line="75"/>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <location filename="../qml/desktop/cameraPanel/CameraPanel.qml" line="99"/>
        <source>Cameras</source>
        <translation>Камеры</translation>
    </message>
    <message>
        <location filename="../qml/desktop/cameraPanel/CameraPanel.qml" line="105"/>
        <source>Show cameras</source>
        <translation>Показать камеры</translation>
    </message>
    <message>
        <location filename="../qml/desktop/cameraPanel/CameraPanel.qml" line="105"/>
        <source>Hide cameras</source>
        <translation>Скрыть камеры</translation>
    </message>
    <message>
        <location filename="../qml/desktop/cameraPanel/CameraPanel.qml" line="115"/>
        <source>Filter cameras</source>
        <translation>Отбор камер</translation>
    </message>
    <message>
        <location filename="../qml/desktop/cameraPanel/CameraPanel.qml" line="137"/>
        <source>No camera matches the filter</source>
        <translation>Нет камер, подходящих под отбор</translation>
    </message>
    <message>
        <location filename="../qml/desktop/cameraPanel/CameraPanel.qml" line="137"/>
        <source>No cameras</source>
        <translation>Нет камер</translation>
    </message>
</context>
<context>
    <name>CameraPreviewPanel</name>
    <message>
        <location filename="../qml/devices/deviceEditor/CameraPreviewPanel.qml" line="18"/>
        <location filename="../qml/devices/deviceEditor/CameraPreviewPanel.qml" line="33"/>
        <source>Enter the camera&apos;s address to see its picture.</source>
        <translation>Введите адрес камеры, чтобы увидеть изображение.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/CameraPreviewPanel.qml" line="38"/>
        <source>Connecting to the camera...</source>
        <translation>Подключение к камере...</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/CameraPreviewPanel.qml" line="57"/>
        <source>The camera does not answer.</source>
        <translation>Камера не отвечает.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/CameraPreviewPanel.qml" line="62"/>
        <source>The camera answered, but the server sent no picture.</source>
        <translation>Камера ответила, но сервер не прислал изображение.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/CameraPreviewPanel.qml" line="65"/>
        <source>Waiting for the picture...</source>
        <translation>Ожидание изображения...</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/CameraPreviewPanel.qml" line="86"/>
        <source>No picture from the camera.</source>
        <translation>Нет изображения с камеры.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/CameraPreviewPanel.qml" line="103"/>
        <source>The picture of the camera cannot be played.</source>
        <translation>Изображение камеры не воспроизводится.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/CameraPreviewPanel.qml" line="132"/>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>ClientController::OAuthLoopbackReceiver</name>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="142"/>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="153"/>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="163"/>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="171"/>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="177"/>
        <source>Sign-in failed</source>
        <translation>Вход не выполнен</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="142"/>
        <source>The request is too long.</source>
        <translation>Слишком длинный запрос.</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="153"/>
        <source>Unexpected request.</source>
        <translation>Неожиданный запрос.</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="159"/>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="163"/>
        <source>The sign-in has already ended.</source>
        <translation>Вход уже завершён.</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="171"/>
        <source>The answer does not belong to this sign-in.</source>
        <translation>Ответ не относится к этому входу.</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="173"/>
        <source>The sign-in answer carries a wrong state</source>
        <translation>Ответ на вход содержит чужое значение state</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="177"/>
        <source>No code was given.</source>
        <translation>Код не передан.</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="179"/>
        <source>The sign-in answer carries no code</source>
        <translation>Ответ на вход не содержит кода</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="182"/>
        <source>Signed in</source>
        <translation>Вход выполнен</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.cpp" line="182"/>
        <source>You can close this window and return to the program.</source>
        <translation>Можно закрыть это окно и вернуться в программу.</translation>
    </message>
</context>
<context>
    <name>ClientController::PrivateYoutubeTypeController</name>
    <message>
        <location filename="../src/rirOVA/client/controllers/PrivateYoutubeTypeController.cpp" line="18"/>
        <source>unlisted</source>
        <translation>Доступ по ссылке</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/PrivateYoutubeTypeController.cpp" line="18"/>
        <location filename="../src/rirOVA/tests/DesktopHelpersTest.cpp" line="153"/>
        <source>Public</source>
        <translation>Открытый доступ</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/PrivateYoutubeTypeController.cpp" line="18"/>
        <source>Private</source>
        <translation>Ограниченный доступ</translation>
    </message>
</context>
<context>
    <name>ClientController::YoutubeApiController</name>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="139"/>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="192"/>
        <source>Youtube API response contains error</source>
        <translation>Ответ YouTube API содержит ошибку</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="145"/>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="182"/>
        <source>Youtube respond with failed format</source>
        <translation>YouTube ответил в неверном формате</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="248"/>
        <source>Request cancelled</source>
        <translation>Запрос отменён</translation>
    </message>
</context>
<context>
    <name>ConnectWithButton</name>
    <message>
        <location filename="../qml/components/buttons/ConnectWithButton.qml" line="10"/>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/ConnectWithButton.qml" line="11"/>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
</context>
<context>
    <name>ConnectionLossBanner</name>
    <message>
        <location filename="../qml/main/ConnectionLossBanner.qml" line="26"/>
        <source>Network error</source>
        <translation>Ошибка сети</translation>
    </message>
    <message>
        <location filename="../qml/main/ConnectionLossBanner.qml" line="26"/>
        <source>Security error</source>
        <translation>Ошибка безопасности</translation>
    </message>
    <message>
        <location filename="../qml/main/ConnectionLossBanner.qml" line="32"/>
        <source>The server&apos;s certificate has changed (SHA-256 %1). Not logged in: compare it with the server&apos;s log and trust it in the general settings.</source>
        <translation>Сертификат сервера изменился (SHA-256 %1). Вход не выполнен: сравните его с журналом сервера и подтвердите доверие в общих настройках.</translation>
    </message>
    <message>
        <location filename="../qml/main/ConnectionLossBanner.qml" line="33"/>
        <source>Connection is lost. Reconnecting…</source>
        <translation>Соединение потеряно. Переподключение…</translation>
    </message>
</context>
<context>
    <name>CustomImageRoiCrop</name>
    <message>
        <location filename="../qml/devices/deviceEditor/CustomImageRoiCrop.qml" line="67"/>
        <source>No picture of the camera</source>
        <translation>Нет изображения камеры</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/CustomImageRoiCrop.qml" line="141"/>
        <source>Drag the corners; a double click adds one, a right click removes one.</source>
        <translation>Перетаскивайте углы; двойной щелчок добавляет угол, правый щелчок удаляет.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/CustomImageRoiCrop.qml" line="148"/>
        <source>Full frame</source>
        <translation>Весь кадр</translation>
    </message>
</context>
<context>
    <name>DateEdit</name>
    <message>
        <location filename="../qml/components/text/DateEdit.qml" line="40"/>
        <source>Invalid date</source>
        <translation>Неверная дата</translation>
    </message>
</context>
<context>
    <name>DesktopToolBar</name>
    <message>
        <location filename="../qml/desktop/DesktopToolBar.qml" line="29"/>
        <source>%1 panels</source>
        <translation>Панелей: %1</translation>
    </message>
    <message>
        <location filename="../qml/desktop/DesktopToolBar.qml" line="37"/>
        <source>Select day of events</source>
        <translation>Выбрать день событий</translation>
    </message>
    <message>
        <location filename="../qml/desktop/DesktopToolBar.qml" line="62"/>
        <source>d MMM yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <location filename="../qml/desktop/DesktopToolBar.qml" line="68"/>
        <source>Show events</source>
        <translation>Показать события</translation>
    </message>
    <message>
        <location filename="../qml/desktop/DesktopToolBar.qml" line="68"/>
        <source>Hide events</source>
        <translation>Скрыть события</translation>
    </message>
</context>
<context>
    <name>DetectorPanel</name>
    <message>
        <location filename="../qml/devices/deviceEditor/DetectorPanel.qml" line="69"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionForm</name>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceDetectionForm.qml" line="22"/>
        <source>Motion
detection</source>
        <translation>Детекция
движения</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceDetectionForm.qml" line="23"/>
        <source>Objects
detection</source>
        <translation>Детекция
объектов</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceDetectionForm.qml" line="24"/>
        <source>License plate
recognition
(Light)</source>
        <translation>Распознавание
номеров
(Light)</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceDetectionForm.qml" line="25"/>
        <source>Face
detection
(Light)</source>
        <translation>Обнаружение
лиц
(Light)</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceDetectionForm.qml" line="26"/>
        <source>Face
recognition
(Light)</source>
        <translation>Распознавание
лиц
(Light)</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceDetectionForm.qml" line="61"/>
        <source>The server refused the change</source>
        <translation>Сервер отклонил изменение</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceDetectionForm.qml" line="63"/>
        <source>Update error</source>
        <translation>Ошибка обновления</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceDetectionForm.qml" line="63"/>
        <source>Failed to update</source>
        <translation>Не удалось обновить</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceDetectionForm.qml" line="116"/>
        <source>Save the camera first to set up its detectors.</source>
        <translation>Сначала сохраните камеру, затем настройте детекторы.</translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEditor.qml" line="12"/>
        <source>Camera settings</source>
        <translation>Настройки камеры</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEditor.qml" line="39"/>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEditor.qml" line="40"/>
        <source>Detection</source>
        <translation>Детекция</translation>
    </message>
</context>
<context>
    <name>DeviceEditorBase</name>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEditorBase.qml" line="47"/>
        <source>Unsaved changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEditorBase.qml" line="47"/>
        <source>Close the editor and lose the changes?</source>
        <translation>Закрыть редактор без сохранения изменений?</translation>
    </message>
</context>
<context>
    <name>DeviceEssentialsForm</name>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="32"/>
        <source>Enter an RTSP or HTTP address.</source>
        <translation>Введите адрес RTSP или HTTP.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="33"/>
        <source>Enter an IPv4 or IPv6 address.</source>
        <translation>Введите адрес IPv4 или IPv6.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="36"/>
        <source>Enter the USB source.</source>
        <translation>Укажите USB-источник.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="36"/>
        <source>Enter the file path.</source>
        <translation>Укажите путь к файлу.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="40"/>
        <source>Enter the device name.</source>
        <translation>Введите имя устройства.</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="110"/>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="117"/>
        <source>Device type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="131"/>
        <source>Use URL</source>
        <translation>Использовать URL</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="142"/>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="152"/>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="162"/>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="170"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="178"/>
        <source>Mask password</source>
        <translation>Скрывать пароль</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="183"/>
        <source>Example of an RTSP address:</source>
        <translation>Пример адреса RTSP:</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="194"/>
        <source>USB Source</source>
        <translation>USB-источник</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/DeviceEssentialsForm.qml" line="194"/>
        <source>File path</source>
        <translation>Путь к файлу</translation>
    </message>
</context>
<context>
    <name>DevicePasswordEditor</name>
    <message>
        <location filename="../qml/devicePassword/editor/DevicePasswordEditor.qml" line="9"/>
        <source>Device password editor</source>
        <translation>Редактор пароля устройства</translation>
    </message>
</context>
<context>
    <name>DevicePasswordEssentialsForm</name>
    <message>
        <location filename="../qml/devicePassword/editor/DevicePasswordEssentialsForm.qml" line="9"/>
        <source>Enter the login.</source>
        <translation>Введите логин.</translation>
    </message>
    <message>
        <location filename="../qml/devicePassword/editor/DevicePasswordEssentialsForm.qml" line="33"/>
        <source>Login</source>
        <translation>Логин</translation>
    </message>
    <message>
        <location filename="../qml/devicePassword/editor/DevicePasswordEssentialsForm.qml" line="40"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location filename="../qml/devicePassword/editor/DevicePasswordEssentialsForm.qml" line="47"/>
        <source>Mask password</source>
        <translation>Скрывать пароль</translation>
    </message>
</context>
<context>
    <name>DevicePasswordTable</name>
    <message>
        <location filename="../qml/devicePassword/table/DevicePasswordTable.qml" line="12"/>
        <source>Device passwords</source>
        <translation>Пароли устройств</translation>
    </message>
    <message>
        <location filename="../qml/devicePassword/table/DevicePasswordTable.qml" line="44"/>
        <source>Delete record</source>
        <translation>Удаление записи</translation>
    </message>
    <message>
        <location filename="../qml/devicePassword/table/DevicePasswordTable.qml" line="44"/>
        <source>Delete selected record?</source>
        <translation>Удалить выбранную запись?</translation>
    </message>
    <message>
        <location filename="../qml/devicePassword/table/DevicePasswordTable.qml" line="57"/>
        <source>Remove error</source>
        <translation>Ошибка удаления</translation>
    </message>
    <message>
        <location filename="../qml/devicePassword/table/DevicePasswordTable.qml" line="57"/>
        <source>Failed to remove record</source>
        <translation>Не удалось удалить запись</translation>
    </message>
    <message>
        <location filename="../qml/devicePassword/table/DevicePasswordTable.qml" line="71"/>
        <source>Login</source>
        <translation>Логин</translation>
    </message>
</context>
<context>
    <name>DeviceTable</name>
    <message>
        <location filename="../qml/devices/table/DeviceTable.qml" line="14"/>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <location filename="../qml/devices/table/DeviceTable.qml" line="55"/>
        <source>Delete device</source>
        <translation>Удаление устройства</translation>
    </message>
    <message>
        <location filename="../qml/devices/table/DeviceTable.qml" line="55"/>
        <source>Delete selected device?</source>
        <translation>Удалить выбранное устройство?</translation>
    </message>
    <message>
        <location filename="../qml/devices/table/DeviceTable.qml" line="91"/>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <location filename="../qml/devices/table/DeviceTable.qml" line="96"/>
        <source>Source address</source>
        <translation>Адрес источника</translation>
    </message>
</context>
<context>
    <name>DeviceUtils</name>
    <message>
        <location filename="../qml/devices/DeviceUtils.js" line="113"/>
        <location filename="../qml/devices/DeviceUtils.js" line="118"/>
        <source>IP camera</source>
        <translation>IP-камера</translation>
    </message>
    <message>
        <location filename="../qml/devices/DeviceUtils.js" line="114"/>
        <source>USB camera</source>
        <translation>USB-камера</translation>
    </message>
    <message>
        <location filename="../qml/devices/DeviceUtils.js" line="115"/>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <location filename="../qml/devices/DeviceUtils.js" line="116"/>
        <source>Screen</source>
        <translation>Экран</translation>
    </message>
</context>
<context>
    <name>DevicesToolBar</name>
    <message>
        <location filename="../qml/devices/table/DevicesToolBar.qml" line="15"/>
        <source>Search device</source>
        <translation>Поиск устройств</translation>
    </message>
    <message>
        <location filename="../qml/devices/table/DevicesToolBar.qml" line="22"/>
        <source>Device passwords</source>
        <translation>Пароли устройств</translation>
    </message>
</context>
<context>
    <name>EventsTable</name>
    <message>
        <location filename="../qml/desktop/events/table/EventsTable.qml" line="114"/>
        <source>Events filter</source>
        <translation>Фильтр событий</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/table/EventsTable.qml" line="121"/>
        <source>Filter is on</source>
        <translation>Фильтр включён</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/table/EventsTable.qml" line="128"/>
        <source>Reset filter</source>
        <translation>Сбросить фильтр</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/table/EventsTable.qml" line="133"/>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/table/EventsTable.qml" line="147"/>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/table/EventsTable.qml" line="148"/>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/table/EventsTable.qml" line="149"/>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
</context>
<context>
    <name>ExternalArchivePlayer</name>
    <message>
        <location filename="../qml/archive/ExternalArchivePlayer.qml" line="26"/>
        <source>Video file error</source>
        <translation>Ошибка видеофайла</translation>
    </message>
    <message>
        <location filename="../qml/archive/ExternalArchivePlayer.qml" line="27"/>
        <source>File is not yet ready.</source>
        <translation>Файл ещё не готов.</translation>
    </message>
    <message>
        <location filename="../qml/archive/ExternalArchivePlayer.qml" line="28"/>
        <source>Try again later...</source>
        <translation>Повторите попытку позже...</translation>
    </message>
    <message>
        <location filename="../qml/archive/ExternalArchivePlayer.qml" line="31"/>
        <source>Event on</source>
        <translation>Событие на</translation>
    </message>
</context>
<context>
    <name>FilterEditor</name>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEditor.qml" line="11"/>
        <source>Events filter</source>
        <translation>Фильтр событий</translation>
    </message>
</context>
<context>
    <name>FilterEssentialsForm</name>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="85"/>
        <source>Select time</source>
        <translation>Выберите время</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="86"/>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="91"/>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="96"/>
        <source>Select device</source>
        <translation>Выберите устройство</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="103"/>
        <source>All devices</source>
        <translation>Все устройства</translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="115"/>
        <source>Enter text to filter eventes...</source>
        <translation>Введите текст для отбора событий...</translation>
    </message>
</context>
<context>
    <name>FirstStartNotice</name>
    <message>
        <location filename="../qml/main/FirstStartNotice.qml" line="26"/>
        <source>Starting the local server is switched off (--no-server).</source>
        <translation>Запуск локального сервера отключён (--no-server).</translation>
    </message>
    <message>
        <location filename="../qml/main/FirstStartNotice.qml" line="27"/>
        <source>The server program was not found beside the client or on the PATH.</source>
        <translation>Программа сервера не найдена ни рядом с клиентом, ни в PATH.</translation>
    </message>
    <message>
        <location filename="../qml/main/FirstStartNotice.qml" line="28"/>
        <source>The server program could not be started.</source>
        <translation>Не удалось запустить программу сервера.</translation>
    </message>
    <message>
        <location filename="../qml/main/FirstStartNotice.qml" line="51"/>
        <source>No server answers at %1</source>
        <translation>Сервер по адресу %1 не отвечает</translation>
    </message>
    <message>
        <location filename="../qml/main/FirstStartNotice.qml" line="64"/>
        <source>Start the media server, or change the address: the keys &quot;server/ip&quot; and &quot;server/port&quot; in %1, or start the client with --server HOST:PORT.</source>
        <translation>Запустите медиасервер или измените адрес: ключи "server/ip" и "server/port" в %1 либо запустите клиент с параметром --server АДРЕС:ПОРТ.</translation>
    </message>
</context>
<context>
    <name>GeneralEditor</name>
    <message>
        <location filename="../qml/settings/general/GeneralEditor.qml" line="18"/>
        <source>General settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEditor.qml" line="39"/>
        <source>Settings error</source>
        <translation>Ошибка настроек</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEditor.qml" line="76"/>
        <source>Update error</source>
        <translation>Ошибка обновления</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEditor.qml" line="76"/>
        <source>Failed to set the video folder</source>
        <translation>Не удалось сменить папку видео</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEditor.qml" line="97"/>
        <source>The server presents another certificate (SHA-256):</source>
        <translation>Сервер предъявляет другой сертификат (SHA-256):</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEditor.qml" line="98"/>
        <source>Server certificate (SHA-256):</source>
        <translation>Сертификат сервера (SHA-256):</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEditor.qml" line="107"/>
        <source>Trust the new certificate</source>
        <translation>Доверять новому сертификату</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEditor.qml" line="114"/>
        <source>Reconnect now</source>
        <translation>Переподключиться сейчас</translation>
    </message>
</context>
<context>
    <name>GeneralEssentialsForm</name>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="59"/>
        <source>The server address is empty</source>
        <translation>Не указан адрес сервера</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="62"/>
        <source>The port must be a number from 1 to 65535</source>
        <translation>Порт должен быть числом от 1 до 65535</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="64"/>
        <source>The user name is empty</source>
        <translation>Не указано имя пользователя</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="100"/>
        <source>Video server</source>
        <translation>Видеосервер</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="105"/>
        <source>Connection type</source>
        <translation>Тип подключения</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="110"/>
        <source>Direct</source>
        <translation>Прямое</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="110"/>
        <source>P2P</source>
        <translation>P2P</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="120"/>
        <source>Server ID</source>
        <translation>ID сервера</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="128"/>
        <source>Local Server</source>
        <translation>Локальный сервер</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="139"/>
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="147"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="156"/>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="163"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="165"/>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="175"/>
        <source>Mask password</source>
        <translation>Скрывать пароль</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="184"/>
        <source>Video file path</source>
        <translation>Папка видеофайлов</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="191"/>
        <source>* After the settings was changed you need to restart app!</source>
        <translation>* После изменения настроек нужно перезапустить приложение!</translation>
    </message>
    <message>
        <location filename="../qml/settings/general/GeneralEssentialsForm.qml" line="201"/>
        <source>Please select a folder</source>
        <translation>Выберите папку</translation>
    </message>
</context>
<context>
    <name>GlobalObjects</name>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="311"/>
        <source>Authorization error</source>
        <translation>Ошибка авторизации</translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="311"/>
        <source>Failed to log in</source>
        <translation>Не удалось войти</translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="338"/>
        <source>Remove error</source>
        <translation>Ошибка удаления</translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="338"/>
        <source>Failed to remove device</source>
        <translation>Не удалось удалить устройство</translation>
    </message>
</context>
<context>
    <name>KvoCalendar</name>
    <message>
        <location filename="../qml/components/calendar/KvoCalendar.qml" line="36"/>
        <source>en_US</source>
        <comment>locale of dates</comment>
        <translation>ru_RU</translation>
    </message>
</context>
<context>
    <name>KvoCore::Utils</name>
    <message>
        <location filename="../src/kvoCore/Utils.cpp" line="149"/>
        <source>yesterday, </source>
        <translation>вчера, </translation>
    </message>
    <message>
        <location filename="../src/kvoCore/Utils.cpp" line="152"/>
        <source>tomorrow, </source>
        <translation>завтра, </translation>
    </message>
</context>
<context>
    <name>KvoDialogButtonBox</name>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="17"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="18"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="19"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="20"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="21"/>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="22"/>
        <source>Restore Defaults</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>KvoDragContainer</name>
    <message>
        <location filename="../qml/components/dragAndDrop/KvoDragContainer.qml" line="16"/>
        <source>Can not drop here</source>
        <translation>Сюда перенести нельзя</translation>
    </message>
    <message>
        <location filename="../qml/components/dragAndDrop/KvoDragContainer.qml" line="17"/>
        <source>Release to swap</source>
        <translation>Отпустите, чтобы поменять местами</translation>
    </message>
    <message>
        <location filename="../qml/components/dragAndDrop/KvoDragContainer.qml" line="17"/>
        <source>Release to drop</source>
        <translation>Отпустите, чтобы поместить</translation>
    </message>
</context>
<context>
    <name>KvoFilterTextField</name>
    <message>
        <location filename="../qml/components/text/KvoFilterTextField.qml" line="10"/>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
</context>
<context>
    <name>KvoFooter</name>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="38"/>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="38"/>
        <source>Disconnected</source>
        <translation>Нет соединения</translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="44"/>
        <source>P2P server</source>
        <translation>P2P-сервер</translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="44"/>
        <source>Direct server</source>
        <translation>Прямое подключение</translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="49"/>
        <source>User:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="54"/>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="61"/>
        <source>Remote server ID</source>
        <translation>ID удалённого сервера</translation>
    </message>
</context>
<context>
    <name>KvoForm</name>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="87"/>
        <source>Add error</source>
        <translation>Ошибка добавления</translation>
    </message>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="87"/>
        <source>Update error</source>
        <translation>Ошибка обновления</translation>
    </message>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="88"/>
        <source>Failed to add</source>
        <translation>Не удалось добавить</translation>
    </message>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="88"/>
        <source>Failed to update</source>
        <translation>Не удалось обновить</translation>
    </message>
</context>
<context>
    <name>KvoMainApplicationWindow</name>
    <message>
        <location filename="../qml/main/KvoMainApplicationWindow.qml" line="124"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location filename="../qml/main/KvoMainApplicationWindow.qml" line="126"/>
        <source>Video surveillance client</source>
        <translation>Клиент видеонаблюдения</translation>
    </message>
</context>
<context>
    <name>KvoModel::ModelBase</name>
    <message>
        <location filename="../src/kvoModel/model/ModelBase.cpp" line="35"/>
        <source>Id</source>
        <translation>Ид.</translation>
    </message>
    <message>
        <location filename="../src/kvoModel/model/ModelBase.cpp" line="40"/>
        <source>Update time</source>
        <translation>Время изменения</translation>
    </message>
    <message>
        <location filename="../src/kvoModel/model/ModelBase.cpp" line="45"/>
        <source>Insert time</source>
        <translation>Время добавления</translation>
    </message>
</context>
<context>
    <name>KvoModel::OwnerBaseModel</name>
    <message>
        <location filename="../src/rirOVA/model/OwnerBaseModel.cpp" line="13"/>
        <source>Sign</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/model/OwnerBaseModel.cpp" line="16"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/model/OwnerBaseModel.cpp" line="18"/>
        <source>Blocked</source>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/model/OwnerBaseModel.cpp" line="20"/>
        <source>Pass checking new ver.</source>
        <translation>Пропустить проверку новой версии</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/model/OwnerBaseModel.cpp" line="22"/>
        <source>Inner note</source>
        <translation>Служебная заметка</translation>
    </message>
</context>
<context>
    <name>KvoModel::OwnerGroupModel</name>
    <message>
        <location filename="../src/kvoModel/model/OwnerGroupModel.cpp" line="14"/>
        <source>Group name</source>
        <translation>Имя группы</translation>
    </message>
</context>
<context>
    <name>KvoModel::RstIdOwnerAttachedFieldModelHelper</name>
    <message>
        <location filename="../src/kvoModel/model/RstIdOwnerAttachedFieldModelHelper.cpp" line="13"/>
        <source>Id owner</source>
        <translation>Ид владельца</translation>
    </message>
</context>
<context>
    <name>KvoModel::UserBaseModel</name>
    <message>
        <location filename="../src/rirOVA/model/UserBaseModel.cpp" line="9"/>
        <source>First name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/model/UserBaseModel.cpp" line="11"/>
        <source>Middle name</source>
        <translation>Отчество</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/model/UserBaseModel.cpp" line="13"/>
        <source>Last name</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/model/UserBaseModel.cpp" line="15"/>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
</context>
<context>
    <name>KvoTableContainer</name>
    <message>
        <location filename="../qml/components/table/KvoTableContainer.qml" line="39"/>
        <source>Row Count:</source>
        <translation>Строк:</translation>
    </message>
</context>
<context>
    <name>KvoTableToolBar</name>
    <message>
        <location filename="../qml/components/KvoTableToolBar.qml" line="20"/>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <location filename="../qml/components/KvoTableToolBar.qml" line="27"/>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <location filename="../qml/components/KvoTableToolBar.qml" line="34"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>KvoTableViewColumDeviceType</name>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumDeviceType.qml" line="7"/>
        <source>Device type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumDeviceType.qml" line="9"/>
        <source>USB camera</source>
        <translation>USB-камера</translation>
    </message>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumDeviceType.qml" line="9"/>
        <source>IP camera</source>
        <translation>IP-камера</translation>
    </message>
</context>
<context>
    <name>KvoTableViewColumnId</name>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumnId.qml" line="5"/>
        <source>Id</source>
        <translation>Ид.</translation>
    </message>
</context>
<context>
    <name>KvoTableViewColumnYesNo</name>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumnYesNo.qml" line="7"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumnYesNo.qml" line="7"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>KvoTableViewSearchDeviceStateDelegate</name>
    <message>
        <location filename="../qml/components/table/delegates/KvoTableViewSearchDeviceStateDelegate.qml" line="7"/>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <location filename="../qml/components/table/delegates/KvoTableViewSearchDeviceStateDelegate.qml" line="7"/>
        <source>Added</source>
        <translation>Добавлена</translation>
    </message>
</context>
<context>
    <name>LayoutToolButtons</name>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="21"/>
        <source>Layouts</source>
        <translation>Раскладки</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="23"/>
        <source>Saved layouts</source>
        <translation>Сохранённые раскладки</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="43"/>
        <source>Save layout...</source>
        <translation>Сохранить раскладку...</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="44"/>
        <source>Save layout as</source>
        <translation>Сохранить раскладку как</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="47"/>
        <source>Rename layout...</source>
        <translation>Переименовать раскладку...</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="49"/>
        <source>Rename layout</source>
        <translation>Переименование раскладки</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="52"/>
        <source>Delete layout</source>
        <translation>Удалить раскладку</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="105"/>
        <source>Layout name</source>
        <translation>Имя раскладки</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="119"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="125"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="137"/>
        <source>Layout error</source>
        <translation>Ошибка раскладки</translation>
    </message>
    <message>
        <location filename="../qml/desktop/layouts/LayoutToolButtons.qml" line="137"/>
        <source>The layout was not saved</source>
        <translation>Раскладка не сохранена</translation>
    </message>
</context>
<context>
    <name>ListSelector</name>
    <message>
        <location filename="../qml/components/ListSelector.qml" line="14"/>
        <source>Left list</source>
        <translation>Левый список</translation>
    </message>
    <message>
        <location filename="../qml/components/ListSelector.qml" line="15"/>
        <source>Right list</source>
        <translation>Правый список</translation>
    </message>
</context>
<context>
    <name>LiveSummary</name>
    <message>
        <location filename="../qml/desktop/health/LiveSummary.qml" line="13"/>
        <source>%1/%2 live</source>
        <translation>В эфире %1 из %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <location filename="../qml/main/MainMenuBar.qml" line="13"/>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <location filename="../qml/main/MainMenuBar.qml" line="27"/>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <location filename="../qml/main/MainMenuBar.qml" line="29"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>MainTabBar</name>
    <message>
        <location filename="../qml/main/MainTabBar.qml" line="8"/>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <location filename="../qml/main/MainTabBar.qml" line="8"/>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <location filename="../qml/main/MainTabBar.qml" line="8"/>
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
    <message>
        <location filename="../qml/main/MainTabBar.qml" line="8"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>ModuleParams</name>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="8"/>
        <source>the parameter list is not a list</source>
        <translation>список параметров не является списком</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="13"/>
        <source>entry %1 is not an object</source>
        <translation>элемент %1 не является объектом</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="15"/>
        <source>entry %1 has no name</source>
        <translation>у элемента %1 нет имени</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="17"/>
        <source>parameter &apos;%1&apos; appears twice</source>
        <translation>параметр «%1» указан дважды</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="20"/>
        <source>parameter &apos;%1&apos; has an unknown type &apos;%2&apos;</source>
        <translation>у параметра «%1» неизвестный тип «%2»</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="25"/>
        <source>parameter &apos;%1&apos; needs at least three points</source>
        <translation>параметру «%1» нужны хотя бы три точки</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="29"/>
        <source>parameter &apos;%1&apos; has a point outside the picture</source>
        <translation>у параметра «%1» точка вне кадра</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="34"/>
        <source>parameter &apos;%1&apos; is not true or false</source>
        <translation>параметр «%1» не является логическим значением</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="38"/>
        <source>parameter &apos;%1&apos; has no usable range</source>
        <translation>у параметра «%1» нет допустимого диапазона</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="40"/>
        <source>parameter &apos;%1&apos; has a bad step</source>
        <translation>у параметра «%1» неверный шаг</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="44"/>
        <source>parameter &apos;%1&apos; is neither text nor number</source>
        <translation>параметр «%1» не текст и не число</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="48"/>
        <source>parameter &apos;%1&apos; has no item lists</source>
        <translation>у параметра «%1» нет списков элементов</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParams.js" line="51"/>
        <source>parameter &apos;%1&apos; selects an unknown item &apos;%2&apos;</source>
        <translation>параметр «%1» выбирает неизвестный элемент «%2»</translation>
    </message>
</context>
<context>
    <name>ModuleParamsEditor</name>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParamsEditor.qml" line="16"/>
        <source>Module params error:</source>
        <translation>Ошибка параметров модуля:</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParamsEditor.qml" line="170"/>
        <source>Available objects</source>
        <translation>Доступные объекты</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/ModuleParamsEditor.qml" line="171"/>
        <source>Selected objects</source>
        <translation>Выбранные объекты</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <location filename="../qml/components/calendar/NavigationBar.qml" line="24"/>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <location filename="../qml/components/calendar/NavigationBar.qml" line="41"/>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
</context>
<context>
    <name>OAth2SignInFrame</name>
    <message>
        <location filename="../qml/settings/youtube/OAth2SignInFrame.qml" line="27"/>
        <location filename="../qml/settings/youtube/OAth2SignInFrame.qml" line="56"/>
        <source>YouTube sign in</source>
        <translation>Вход в YouTube</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/OAth2SignInFrame.qml" line="73"/>
        <location filename="../qml/settings/youtube/OAth2SignInFrame.qml" line="83"/>
        <source>Failed to get youtube token! HTTP status is &apos;%1&apos;</source>
        <translation>Не удалось получить токен YouTube! HTTP-статус '%1'</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/OAth2SignInFrame.qml" line="84"/>
        <source>The answer carries no access token</source>
        <translation>В ответе нет токена доступа</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/OAth2SignInFrame.qml" line="102"/>
        <source>The sign-in was not completed</source>
        <translation>Вход не завершён</translation>
    </message>
</context>
<context>
    <name>OnlineAccessEditor</name>
    <message>
        <location filename="../qml/settings/onlineAccess/OnlineAccessEditor.qml" line="16"/>
        <source>Online access</source>
        <translation>Онлайн-доступ</translation>
    </message>
</context>
<context>
    <name>OnlineAccessSignIn</name>
    <message>
        <location filename="../qml/settings/onlineAccess/OnlineAccessSignIn.qml" line="36"/>
        <source>Enter the account name and the password</source>
        <translation>Введите имя учётной записи и пароль</translation>
    </message>
    <message>
        <location filename="../qml/settings/onlineAccess/OnlineAccessSignIn.qml" line="61"/>
        <source>Enable online access</source>
        <translation>Включить онлайн-доступ</translation>
    </message>
    <message>
        <location filename="../qml/settings/onlineAccess/OnlineAccessSignIn.qml" line="67"/>
        <source>Log in to</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <location filename="../qml/settings/onlineAccess/OnlineAccessSignIn.qml" line="73"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location filename="../qml/settings/onlineAccess/OnlineAccessSignIn.qml" line="80"/>
        <source>Mask password</source>
        <translation>Скрывать пароль</translation>
    </message>
    <message>
        <location filename="../qml/settings/onlineAccess/OnlineAccessSignIn.qml" line="92"/>
        <source>Sign in</source>
        <translation>Войти</translation>
    </message>
</context>
<context>
    <name>OnlineAccessSignOut</name>
    <message>
        <location filename="../qml/settings/onlineAccess/OnlineAccessSignOut.qml" line="41"/>
        <source>Account name:</source>
        <translation>Учётная запись:</translation>
    </message>
    <message>
        <location filename="../qml/settings/onlineAccess/OnlineAccessSignOut.qml" line="46"/>
        <source>Sign out</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>SearchDeviceEditor</name>
    <message>
        <location filename="../qml/devices/deviceEditor/SearchDeviceEditor.qml" line="13"/>
        <source>Add found camera</source>
        <translation>Добавление найденной камеры</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/SearchDeviceEditor.qml" line="90"/>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/SearchDeviceEditor.qml" line="96"/>
        <source>Source address</source>
        <translation>Адрес источника</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/SearchDeviceEditor.qml" line="105"/>
        <source>Stored password</source>
        <translation>Сохранённый пароль</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/SearchDeviceEditor.qml" line="121"/>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/SearchDeviceEditor.qml" line="130"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location filename="../qml/devices/deviceEditor/SearchDeviceEditor.qml" line="139"/>
        <source>Mask password</source>
        <translation>Скрывать пароль</translation>
    </message>
</context>
<context>
    <name>SearchDeviceTable</name>
    <message>
        <location filename="../qml/devices/searchDevice/SearchDeviceTable.qml" line="13"/>
        <source>Search device</source>
        <translation>Поиск устройств</translation>
    </message>
    <message>
        <location filename="../qml/devices/searchDevice/SearchDeviceTable.qml" line="75"/>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <location filename="../qml/devices/searchDevice/SearchDeviceTable.qml" line="77"/>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <location filename="../qml/devices/searchDevice/SearchDeviceTable.qml" line="80"/>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
</context>
<context>
    <name>SearchToolBar</name>
    <message>
        <location filename="../qml/devices/searchDevice/SearchToolBar.qml" line="19"/>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <location filename="../qml/devices/searchDevice/SearchToolBar.qml" line="25"/>
        <source>Add to devices</source>
        <translation>Добавить в устройства</translation>
    </message>
    <message>
        <location filename="../qml/devices/searchDevice/SearchToolBar.qml" line="31"/>
        <source>Searching...</source>
        <translation>Поиск...</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../qml/settings/Settings.qml" line="22"/>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <location filename="../qml/settings/Settings.qml" line="23"/>
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <location filename="../qml/settings/Settings.qml" line="24"/>
        <source>Telegram</source>
        <translation>Telegram</translation>
    </message>
    <message>
        <location filename="../qml/settings/Settings.qml" line="25"/>
        <source>Online access</source>
        <translation>Онлайн-доступ</translation>
    </message>
    <message>
        <location filename="../qml/settings/Settings.qml" line="26"/>
        <source>Users</source>
        <translation>Пользователи</translation>
    </message>
    <message>
        <location filename="../qml/settings/Settings.qml" line="98"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>TelegramEditor</name>
    <message>
        <location filename="../qml/settings/telegram/TelegramEditor.qml" line="12"/>
        <source>Telegram</source>
        <translation>Telegram</translation>
    </message>
</context>
<context>
    <name>TelegramEssentialsForm</name>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="62"/>
        <source> 1 hour</source>
        <translation> 1 час</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="62"/>
        <source> 1 min.</source>
        <translation> 1 мин.</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="68"/>
        <source>Please try later...</source>
        <translation>Попробуйте позже...</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="70"/>
        <source>Code checking.</source>
        <translation>Проверка кода.</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="72"/>
        <source>Please enter code.</source>
        <translation>Введите код.</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="74"/>
        <source>Wait for code request.</source>
        <translation>Ожидание запроса кода.</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="76"/>
        <source>Telegram channel is linked.</source>
        <translation>Канал Telegram привязан.</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="77"/>
        <source>Telegram channel is &lt;b&gt;not&lt;/b&gt; linked.</source>
        <translation>Канал Telegram &lt;b&gt;не&lt;/b&gt; привязан.</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="90"/>
        <source>Telegram settings</source>
        <translation>Настройки Telegram</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="96"/>
        <source>Upload events to telegram account</source>
        <translation>Отправлять события в Telegram</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="102"/>
        <source>Group name</source>
        <translation>Имя группы</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="109"/>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="116"/>
        <source>Enter the phone number exactly as it appears in your telegram profile</source>
        <translation>Введите номер телефона точно так, как он указан в профиле Telegram</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="141"/>
        <source>Link again</source>
        <translation>Привязать заново</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="141"/>
        <source>Link</source>
        <translation>Привязать</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="152"/>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <location filename="../qml/settings/telegram/TelegramEssentialsForm.qml" line="157"/>
        <source>Send code</source>
        <translation>Отправить код</translation>
    </message>
</context>
<context>
    <name>TileDecorate</name>
    <message>
        <location filename="../qml/desktop/tiles/TileDecorate.qml" line="107"/>
        <source>Add camera</source>
        <translation>Добавить камеру</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileDecorate.qml" line="50"/>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileDecorate.qml" line="45"/>
        <source>Camera is disabled</source>
        <translation>Камера выключена</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileDecorate.qml" line="47"/>
        <source>Reconnecting</source>
        <translation>Переподключение</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileDecorate.qml" line="50"/>
        <source>No video</source>
        <translation>Нет видео</translation>
    </message>
</context>
<context>
    <name>TileGrid</name>
    <message>
        <location filename="../qml/desktop/tiles/TileGrid.qml" line="11"/>
        <source>Tile grid</source>
        <translation>Сетка камер</translation>
    </message>
</context>
<context>
    <name>TileHealth</name>
    <message>
        <location filename="../qml/desktop/health/TileHealth.qml" line="106"/>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <location filename="../qml/desktop/health/TileHealth.qml" line="107"/>
        <source>Live</source>
        <translation>В эфире</translation>
    </message>
    <message>
        <location filename="../qml/desktop/health/TileHealth.qml" line="108"/>
        <source>Stalled</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <location filename="../qml/desktop/health/TileHealth.qml" line="109"/>
        <source>Lost</source>
        <translation>Потеряно</translation>
    </message>
    <message>
        <location filename="../qml/desktop/health/TileHealth.qml" line="145"/>
        <source>No video for %1</source>
        <translation>Нет видео %1</translation>
    </message>
    <message>
        <location filename="../qml/desktop/health/TileHealth.qml" line="146"/>
        <source>No video</source>
        <translation>Нет видео</translation>
    </message>
    <message>
        <location filename="../qml/desktop/health/TileHealth.qml" line="168"/>
        <source>%1 fps</source>
        <translation>%1 кадр/с</translation>
    </message>
    <message>
        <location filename="../qml/desktop/health/TileHealth.qml" line="169"/>
        <source>%1 kbit/s</source>
        <translation>%1 кбит/с</translation>
    </message>
</context>
<context>
    <name>TileHolder</name>
    <message>
        <location filename="../qml/desktop/tiles/TileHolder.qml" line="37"/>
        <source>%1 is shown full screen</source>
        <translation>%1: во весь экран</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileHolder.qml" line="38"/>
        <source>%1 is shown in its own window</source>
        <translation>%1: в отдельном окне</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileHolder.qml" line="39"/>
        <source>Add camera</source>
        <translation>Добавить камеру</translation>
    </message>
</context>
<context>
    <name>TileInteraction</name>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="32"/>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="203"/>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="32"/>
        <source>The device editor is not available in this version.</source>
        <translation>Редактор устройств в этой версии недоступен.</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="41"/>
        <source>Delete device</source>
        <translation>Удаление устройства</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="41"/>
        <source>Delete selected device?</source>
        <translation>Удалить выбранное устройство?</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="42"/>
        <source>Camera: %1</source>
        <translation>Камера: %1</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="119"/>
        <source>All cameras are on screen</source>
        <translation>Все камеры уже на экране</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="126"/>
        <source>New camera…</source>
        <translation>Новая камера…</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="137"/>
        <source>Normal mode</source>
        <translation>Обычный режим</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="143"/>
        <source>Middle mode</source>
        <translation>Средний режим</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="151"/>
        <source>Big mode</source>
        <translation>Крупный режим</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="159"/>
        <source>Return to grid</source>
        <translation>Вернуть в сетку</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="159"/>
        <source>Detach to window</source>
        <translation>Открепить в окно</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="164"/>
        <source>Full screen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="164"/>
        <source>Exit full screen</source>
        <translation>Выйти из полноэкранного режима</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="176"/>
        <source>Mirror horizontally</source>
        <translation>Отразить по горизонтали</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="182"/>
        <source>Mirror vertically</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="188"/>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="192"/>
        <source>Ignore aspect ratio</source>
        <translation>Без сохранения пропорций</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="198"/>
        <source>Force reconnect</source>
        <translation>Переподключить</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="208"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="214"/>
        <source>Disable</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="214"/>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
</context>
<context>
    <name>UserEditor</name>
    <message>
        <location filename="../qml/users/userEditor/UserEditor.qml" line="11"/>
        <source>User settings</source>
        <translation>Настройки пользователя</translation>
    </message>
</context>
<context>
    <name>UserEditorBase</name>
    <message>
        <location filename="../qml/users/userEditor/UserEditorBase.qml" line="35"/>
        <source>User settings</source>
        <translation>Настройки пользователя</translation>
    </message>
</context>
<context>
    <name>UserEssentialsForm</name>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="43"/>
        <source>Enter the user name</source>
        <translation>Введите имя пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="45"/>
        <source>The passwords do not match</source>
        <translation>Пароли не совпадают</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="47"/>
        <source>Enter the password of the new user</source>
        <translation>Введите пароль нового пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="49"/>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="127"/>
        <source>This is the account you are logged in with: it cannot be blocked or deleted.</source>
        <translation>Это учётная запись, под которой выполнен вход: её нельзя заблокировать или удалить.</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="76"/>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="84"/>
        <source>First name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="91"/>
        <source>User surname</source>
        <translation>Фамилия пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="98"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="103"/>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="107"/>
        <source>Repeat password</source>
        <translation>Повторите пароль</translation>
    </message>
    <message>
        <location filename="../qml/users/userEditor/UserEssentialsForm.qml" line="120"/>
        <source>User blocked</source>
        <translation>Заблокирован</translation>
    </message>
</context>
<context>
    <name>UserTable</name>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="42"/>
        <source>This is the account you are logged in with: it cannot be blocked or deleted.</source>
        <translation>Это учётная запись, под которой выполнен вход: её нельзя заблокировать или удалить.</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="63"/>
        <source>Block user</source>
        <translation>Заблокировать пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="75"/>
        <location filename="../qml/users/table/UserTable.qml" line="83"/>
        <source>Delete user</source>
        <translation>Удалить пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="83"/>
        <source>Delete selected user?</source>
        <translation>Удалить выбранного пользователя?</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="98"/>
        <source>Remove error</source>
        <translation>Ошибка удаления</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="98"/>
        <source>Failed to remove user</source>
        <translation>Не удалось удалить пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="109"/>
        <source>Update error</source>
        <translation>Ошибка обновления</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="109"/>
        <source>Failed to update</source>
        <translation>Не удалось обновить</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="154"/>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="155"/>
        <source>First name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="156"/>
        <source>User surname</source>
        <translation>Фамилия пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UserTable.qml" line="157"/>
        <source>User blocked</source>
        <translation>Заблокирован</translation>
    </message>
</context>
<context>
    <name>UsersToolBar</name>
    <message>
        <location filename="../qml/users/table/UsersToolBar.qml" line="22"/>
        <source>Add user</source>
        <translation>Добавить пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UsersToolBar.qml" line="28"/>
        <source>Edit user</source>
        <translation>Изменить пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UsersToolBar.qml" line="35"/>
        <source>Unblock user</source>
        <translation>Разблокировать пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UsersToolBar.qml" line="35"/>
        <source>Block user</source>
        <translation>Заблокировать пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UsersToolBar.qml" line="42"/>
        <source>Delete user</source>
        <translation>Удалить пользователя</translation>
    </message>
    <message>
        <location filename="../qml/users/table/UsersToolBar.qml" line="48"/>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>VideoItem</name>
    <message>
        <location filename="../qml/archive/VideoItem.qml" line="211"/>
        <source>No recording</source>
        <translation>Нет записи</translation>
    </message>
</context>
<context>
    <name>WindowButtons</name>
    <message>
        <location filename="../qml/components/buttons/WindowButtons.qml" line="16"/>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/WindowButtons.qml" line="21"/>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/WindowButtons.qml" line="34"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>YouTubeEditor</name>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEditor.qml" line="14"/>
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
</context>
<context>
    <name>YouTubeEssentials</name>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="20"/>
        <source>Undefined channel</source>
        <translation>Канал не определён</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="128"/>
        <source>Youtube API error</source>
        <translation>Ошибка YouTube API</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="128"/>
        <source>Failed to obtain channel name</source>
        <translation>Не удалось получить имя канала</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="147"/>
        <source>Upload events on YouTube</source>
        <translation>Загружать события на YouTube</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="152"/>
        <source>Channel name</source>
        <translation>Имя канала</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="162"/>
        <source>Privacy type</source>
        <translation>Доступ</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="175"/>
        <source>Link to your YouTube account</source>
        <translation>Привязать аккаунт YouTube</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="181"/>
        <source>Unlink YouTube account</source>
        <translation>Отвязать аккаунт YouTube</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="188"/>
        <source>Youtube status:</source>
        <translation>Состояние YouTube:</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="197"/>
        <source>Stream selected device on YouTube channel</source>
        <translation>Транслировать выбранное устройство на канал YouTube</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="203"/>
        <source>Select device</source>
        <translation>Выберите устройство</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="215"/>
        <source>Server URL</source>
        <translation>URL сервера</translation>
    </message>
    <message>
        <location filename="../qml/settings/youtube/YouTubeEssentials.qml" line="223"/>
        <source>Stream key</source>
        <translation>Ключ трансляции</translation>
    </message>
</context>
<context>
    <name>ZoomArea</name>
    <message>
        <location filename="../qml/desktop/zoom/ZoomArea.qml" line="50"/>
        <source>Reset zoom</source>
        <translation>Сбросить увеличение</translation>
    </message>
</context>
</TS>
