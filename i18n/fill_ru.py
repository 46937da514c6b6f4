#!/usr/bin/env python3
"""Writes the Russian texts into i18n/okulon_ru.ts after lupdate has collected the sources."""
import re
import sys
from pathlib import Path

RU = {
    "%1 panels": "Панелей: %1",
    "About": "О программе",
    "Add camera": "Добавить камеру",
    "Add error": "Ошибка добавления",
    "Address:": "Адрес:",
    "All devices": "Все устройства",
    "Apply": "Применить",
    "Archive": "Архив",
    "Authorization error": "Ошибка авторизации",
    "Big mode": "Крупный режим",
    "Can not drop here": "Сюда перенести нельзя",
    "Cancel": "Отмена",
    "Close": "Закрыть",
    "Confirm close": "Подтверждение закрытия",
    "Connected": "Подключено",
    "Connecting...": "Подключение...",
    "Connection is lost. Try again later...": "Соединение потеряно. Повторите попытку позже...",
    "Delete": "Удалить",
    "Delete device": "Удаление устройства",
    "Delete selected device?": "Удалить выбранное устройство?",
    "Desktop": "Рабочий стол",
    "Detach to window": "Открепить в окно",
    "Device name": "Имя устройства",
    "Device type": "Тип устройства",
    "Devices": "Устройства",
    "Direct server": "Прямое подключение",
    "Disable": "Выключить",
    "Disconnected": "Нет соединения",
    "Duplicate": "Дублировать",
    "Edit": "Изменить",
    "Enable": "Включить",
    "Enter text to filter eventes...": "Введите текст для отбора событий...",
    "Event": "Событие",
    "Events filter": "Фильтр событий",
    "Exit": "Выход",
    "Failed to add": "Не удалось добавить",
    "Failed to log in": "Не удалось войти",
    "Failed to remove device": "Не удалось удалить устройство",
    "Failed to update": "Не удалось обновить",
    "File is not yet ready.": "Файл ещё не готов.",
    "From": "С",
    "Full screen": "Во весь экран",
    "General settings": "Общие настройки",
    "Help": "Справка",
    "Hide events": "Скрыть события",
    "IP camera": "IP-камера",
    "Id": "Ид.",
    "If you set the video server running, video surveillance recording will continue":
        "Если видеосервер оставить запущенным, запись видеонаблюдения продолжится",
    "Ignore aspect ratio": "Без сохранения пропорций",
    "Invalid date": "Неверная дата",
    "Language": "Язык",
    "Left list": "Левый список",
    "Right list": "Правый список",
    "Maximize": "Развернуть",
    "Menu": "Меню",
    "Middle mode": "Средний режим",
    "Minimize": "Свернуть",
    "Mirror horizontally": "Отразить по горизонтали",
    "Mirror vertically": "Отразить по вертикали",
    "Network error": "Ошибка сети",
    "No": "Нет",
    "No video": "Нет видео",
    "OK": "ОК",
    "P2P server": "P2P-сервер",
    "Refresh": "Обновить",
    "Release to drop": "Отпустите, чтобы поместить",
    "Release to swap": "Отпустите, чтобы поменять местами",
    "Remote server ID": "ID удалённого сервера",
    "Remove error": "Ошибка удаления",
    "Restore Defaults": "По умолчанию",
    "Return to grid": "Вернуть в сетку",
    "Rotate": "Повернуть",
    "Row Count:": "Строк:",
    "Search...": "Поиск...",
    "Select day of events": "Выбрать день событий",
    "Select device": "Выберите устройство",
    "Select time": "Выберите время",
    "Settings": "Настройки",
    "Show events": "Показать события",
    "Stop also the video surveillance server?": "Остановить также сервер видеонаблюдения?",
    "The device editor is not available in this version.": "Редактор устройств в этой версии недоступен.",
    "Tile grid": "Сетка камер",
    "Time": "Время",
    "To": "По",
    "Try again later...": "Повторите попытку позже...",
    "USB camera": "USB-камера",
    "Update error": "Ошибка обновления",
    "User:": "Пользователь:",
    "Video file error": "Ошибка видеофайла",
    "Video surveillance client": "Клиент видеонаблюдения",
    "Yes": "Да",
    "You are now exiting the video surveillance client": "Вы выходите из клиента видеонаблюдения",
    "unlisted": "Доступ по ссылке",
    "Public": "Открытый доступ",
    "Private": "Ограниченный доступ",
    "Youtube API response contains error": "Ответ YouTube API содержит ошибку",
    "Youtube respond with failed format": "YouTube ответил в неверном формате",
    "Request cancelled": "Запрос отменён",
    "yesterday, ": "вчера, ",
    "tomorrow, ": "завтра, ",
    "Update time": "Время изменения",
    "Insert time": "Время добавления",
    "Sign": "Подпись",
    "Password": "Пароль",
    "Blocked": "Заблокирован",
    "Pass checking new ver.": "Пропустить проверку новой версии",
    "Inner note": "Служебная заметка",
    "Group name": "Имя группы",
    "Id owner": "Ид владельца",
    "First name": "Имя",
    "Middle name": "Отчество",
    "Last name": "Фамилия",
    "Group": "Группа",
    # Desktop: saved layouts, camera panel, tile health, zoom.
    "Layouts": "Раскладки",
    "Saved layouts": "Сохранённые раскладки",
    "Save layout...": "Сохранить раскладку...",
    "Rename layout...": "Переименовать раскладку...",
    "Delete layout": "Удалить раскладку",
    "Save layout as": "Сохранить раскладку как",
    "Rename layout": "Переименование раскладки",
    "Layout name": "Имя раскладки",
    "Layout error": "Ошибка раскладки",
    "The layout was not saved": "Раскладка не сохранена",
    "OK": "ОК",
    "Cameras": "Камеры",
    "Show cameras": "Показать камеры",
    "Hide cameras": "Скрыть камеры",
    "Filter cameras": "Отбор камер",
    "No camera matches the filter": "Нет камер, подходящих под отбор",
    "No cameras": "Нет камер",
    "Off": "Выключена",
    "Online": "В сети",
    "Connecting": "Подключение",
    "Live": "В эфире",
    "Stalled": "Задержка",
    "Lost": "Потеряно",
    "No video for %1": "Нет видео %1",
    "No video": "Нет видео",
    "%1 fps": "%1 кадр/с",
    "%1 kbit/s": "%1 кбит/с",
    "%1/%2 live": "В эфире %1 из %2",
    "Force reconnect": "Переподключить",
    "Reset zoom": "Сбросить увеличение",
}


def unescape(s):
    return s.replace("&apos;", "'").replace("&quot;", '"').replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&")


def escape(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def main():
    path = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).with_name("okulon_ru.ts"))
    text = path.read_text(encoding="utf-8")
    missing = set()

    def fill(m):
        source = unescape(m.group(2))
        if source not in RU:
            missing.add(source)
            return m.group(0)
        return m.group(1) + "<translation>" + escape(RU[source]) + "</translation>"

    text = re.sub(r"(<source>(.*?)</source>(?:\s*<comment>.*?</comment>)?\s*)<translation[^>]*>.*?</translation>",
                  fill, text, flags=re.S)
    path.write_text(text, encoding="utf-8")
    for s in sorted(missing):
        print("no Russian text for:", s)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
