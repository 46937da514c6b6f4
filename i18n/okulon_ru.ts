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
        <location filename="../qml/archive/ArchiveToolBar.qml" line="52"/>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="59"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="73"/>
        <source>Show time-lapse recordings</source>
        <translation>Показывать непрерывную запись</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="88"/>
        <source>Local files</source>
        <translation>Локальные файлы</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="88"/>
        <source>Streamed by the server</source>
        <translation>Поток от сервера</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="89"/>
        <source>Play the clip files here when they can be read, or have the server stream them</source>
        <translation>Воспроизводить файлы записей здесь, если они доступны, или получать поток от сервера</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="105"/>
        <source>Export the selected range to MP4</source>
        <translation>Экспортировать выбранный интервал в MP4</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="130"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../qml/archive/ArchiveToolBar.qml" line="138"/>
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
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="135"/>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="188"/>
        <source>Youtube API response contains error</source>
        <translation>Ответ YouTube API содержит ошибку</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="141"/>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="178"/>
        <source>Youtube respond with failed format</source>
        <translation>YouTube ответил в неверном формате</translation>
    </message>
    <message>
        <location filename="../src/rirOVA/client/controllers/cloud/youtube/YoutubeApiController.cpp" line="244"/>
        <source>Request cancelled</source>
        <translation>Запрос отменён</translation>
    </message>
</context>
<context>
    <name>ConnectionLossBanner</name>
    <message>
        <location filename="../qml/main/ConnectionLossBanner.qml" line="23"/>
        <source>Network error</source>
        <translation>Ошибка сети</translation>
    </message>
    <message>
        <location filename="../qml/main/ConnectionLossBanner.qml" line="28"/>
        <source>Connection is lost. Reconnecting…</source>
        <translation>Соединение потеряно. Переподключение…</translation>
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
    <name>GlobalObjects</name>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="265"/>
        <source>Authorization error</source>
        <translation>Ошибка авторизации</translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="265"/>
        <source>Failed to log in</source>
        <translation>Не удалось войти</translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="292"/>
        <source>Remove error</source>
        <translation>Ошибка удаления</translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="292"/>
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
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="15"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="16"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="17"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="18"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="19"/>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="20"/>
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
        <location filename="../qml/components/KvoForm.qml" line="84"/>
        <source>Add error</source>
        <translation>Ошибка добавления</translation>
    </message>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="84"/>
        <source>Update error</source>
        <translation>Ошибка обновления</translation>
    </message>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="85"/>
        <source>Failed to add</source>
        <translation>Не удалось добавить</translation>
    </message>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="85"/>
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
    <name>KvoStackLayoutMain</name>
    <message>
        <location filename="../qml/main/KvoStackLayoutMain.qml" line="20"/>
        <source>Devices</source>
        <translation>Устройства</translation>
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
    <name>Settings</name>
    <message>
        <location filename="../qml/settings/Settings.qml" line="20"/>
        <source>General settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <location filename="../qml/settings/Settings.qml" line="25"/>
        <source>Language</source>
        <translation>Язык</translation>
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
    <name>ZoomArea</name>
    <message>
        <location filename="../qml/desktop/zoom/ZoomArea.qml" line="50"/>
        <source>Reset zoom</source>
        <translation>Сбросить увеличение</translation>
    </message>
</context>
</TS>
