<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ActionClose</name>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="14"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="28"/>
        <source>Confirm close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="29"/>
        <source>You are now exiting the video surveillance client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="30"/>
        <source>If you set the video server running, video surveillance recording will continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/actions/ActionClose.qml" line="31"/>
        <source>Stop also the video surveillance server?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ButtonExit</name>
    <message>
        <location filename="../qml/components/buttons/ButtonExit.qml" line="7"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ButtonHelp</name>
    <message>
        <location filename="../qml/components/buttons/ButtonHelp.qml" line="7"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateEdit</name>
    <message>
        <location filename="../qml/components/text/DateEdit.qml" line="40"/>
        <source>Invalid date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopToolBar</name>
    <message>
        <location filename="../qml/desktop/DesktopToolBar.qml" line="26"/>
        <source>%1 panels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/DesktopToolBar.qml" line="35"/>
        <source>Select day of events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/DesktopToolBar.qml" line="59"/>
        <source>Show events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/DesktopToolBar.qml" line="59"/>
        <source>Hide events</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterEditor</name>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEditor.qml" line="11"/>
        <source>Events filter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterEssentialsForm</name>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="75"/>
        <source>Select time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="76"/>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="81"/>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="86"/>
        <source>Select device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="93"/>
        <source>All devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/events/filterEditor/FilterEssentialsForm.qml" line="105"/>
        <source>Enter text to filter eventes...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlobalObjects</name>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="102"/>
        <source>Network error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="102"/>
        <source>Connection is lost. Try again later...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="222"/>
        <source>Authorization error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="222"/>
        <source>Failed to log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="249"/>
        <source>Remove error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/globalObjects/GlobalObjects.qml" line="249"/>
        <source>Failed to remove device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoDialogButtonBox</name>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="15"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="16"/>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="17"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="18"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="19"/>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/KvoDialogButtonBox.qml" line="20"/>
        <source>Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoDragContainer</name>
    <message>
        <location filename="../qml/components/dragAndDrop/KvoDragContainer.qml" line="14"/>
        <source>Can not drop here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/dragAndDrop/KvoDragContainer.qml" line="15"/>
        <source>Release to swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/dragAndDrop/KvoDragContainer.qml" line="15"/>
        <source>Release to drop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoFilterTextField</name>
    <message>
        <location filename="../qml/components/text/KvoFilterTextField.qml" line="10"/>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoFooter</name>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="37"/>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="37"/>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="43"/>
        <source>P2P server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="43"/>
        <source>Direct server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="48"/>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="53"/>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/KvoFooter.qml" line="60"/>
        <source>Remote server ID</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoForm</name>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="84"/>
        <source>Add error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="84"/>
        <source>Update error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="85"/>
        <source>Failed to add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/KvoForm.qml" line="85"/>
        <source>Failed to update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoMainApplicationWindow</name>
    <message>
        <location filename="../qml/main/KvoMainApplicationWindow.qml" line="112"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/KvoMainApplicationWindow.qml" line="114"/>
        <source>Video surveillance client</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoStackLayoutMain</name>
    <message>
        <location filename="../qml/main/KvoStackLayoutMain.qml" line="18"/>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/KvoStackLayoutMain.qml" line="21"/>
        <source>Archive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoTableContainer</name>
    <message>
        <location filename="../qml/components/table/KvoTableContainer.qml" line="39"/>
        <source>Row Count:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoTableViewColumDeviceType</name>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumDeviceType.qml" line="7"/>
        <source>Device type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumDeviceType.qml" line="9"/>
        <source>USB camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumDeviceType.qml" line="9"/>
        <source>IP camera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoTableViewColumnId</name>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumnId.qml" line="5"/>
        <source>Id</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvoTableViewColumnYesNo</name>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumnYesNo.qml" line="7"/>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/table/tableViewColumns/KvoTableViewColumnYesNo.qml" line="7"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <location filename="../qml/main/MainMenuBar.qml" line="13"/>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/MainMenuBar.qml" line="27"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/MainMenuBar.qml" line="29"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainTabBar</name>
    <message>
        <location filename="../qml/main/MainTabBar.qml" line="8"/>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/MainTabBar.qml" line="8"/>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/MainTabBar.qml" line="8"/>
        <source>Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/main/MainTabBar.qml" line="8"/>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../qml/settings/Settings.qml" line="20"/>
        <source>General settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/settings/Settings.qml" line="25"/>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileDecorate</name>
    <message>
        <location filename="../qml/desktop/tiles/TileDecorate.qml" line="66"/>
        <source>Add camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileDecorate.qml" line="130"/>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileDecorate.qml" line="130"/>
        <source>No video</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileGrid</name>
    <message>
        <location filename="../qml/desktop/tiles/TileGrid.qml" line="11"/>
        <source>Tile grid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileHolder</name>
    <message>
        <location filename="../qml/desktop/tiles/TileHolder.qml" line="27"/>
        <source>Add camera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileInteraction</name>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="18"/>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="116"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="18"/>
        <source>The device editor is not available in this version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="26"/>
        <source>Delete device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="26"/>
        <source>Delete selected device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="70"/>
        <source>Middle mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="75"/>
        <source>Big mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="81"/>
        <source>Return to grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="81"/>
        <source>Detach to window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="85"/>
        <source>Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="93"/>
        <source>Mirror horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="99"/>
        <source>Mirror vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="105"/>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="109"/>
        <source>Ignore aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="120"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="124"/>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/desktop/tiles/TileInteraction.qml" line="124"/>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowButtons</name>
    <message>
        <location filename="../qml/components/buttons/WindowButtons.qml" line="16"/>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/WindowButtons.qml" line="21"/>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/components/buttons/WindowButtons.qml" line="34"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
