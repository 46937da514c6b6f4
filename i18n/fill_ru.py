#!/usr/bin/env python3
"""Writes the Russian texts into i18n/okulon_ru.ts after lupdate has collected the sources."""
import re
import sys
from pathlib import Path

RU = {
    "en_US": "ru_RU",
    "%1 is shown full screen": "%1: во весь экран",
    "%1 is shown in its own window": "%1: в отдельном окне",
    "All cameras are on screen": "Все камеры уже на экране",
    "Camera is disabled": "Камера выключена",
    "Camera: %1": "Камера: %1",
    "Connection is lost. Reconnecting…": "Соединение потеряно. Переподключение…",
    "d MMM yyyy": "d MMM yyyy",
    "Exit full screen": "Выйти из полноэкранного режима",
    "Filter is on": "Фильтр включён",
    "New camera…": "Новая камера…",
    "Next month": "Следующий месяц",
    "Normal mode": "Обычный режим",
    "Previous month": "Предыдущий месяц",
    "Reconnecting": "Переподключение",
    "Reset filter": "Сбросить фильтр",
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
    # Archive tab, event player, upload table
    "Archive extended": "Архив: выгрузки",
    "Cancelled": "Отменено",
    "Click a camera's line to play its recording": "Щёлкните по линии камеры, чтобы воспроизвести запись",
    "Drag with Shift held down.": "Протяните мышью с нажатой клавишей Shift.",
    "Event on": "Событие на",
    "Export": "Экспорт",
    "Export failed": "Экспорт не удался",
    "Export the selected range to MP4": "Экспортировать выбранный интервал в MP4",
    "Local files": "Локальные файлы",
    "No recording": "Нет записи",
    "Pause": "Пауза",
    "Play": "Воспроизвести",
    "Play the clip files here when they can be read, or have the server stream them": "Воспроизводить файлы записей здесь, если они доступны, или получать поток от сервера",
    "Please select a folder": "Выберите папку",
    "Select a time range on the timeline first.": "Сначала выберите интервал времени на шкале.",
    "Select day of the archive": "Выбрать день архива",
    "Show time-lapse recordings": "Показывать непрерывную запись",
    "Streamed by the server": "Поток от сервера",
    "Telegram attempts": "Попыток Telegram",
    "Telegram status": "Статус Telegram",
    "Time end to telegram": "Конец выгрузки в Telegram",
    "Time end to youtube": "Конец выгрузки на YouTube",
    "Time start to telegram": "Начало выгрузки в Telegram",
    "Time start to youtube": "Начало выгрузки на YouTube",
    "Youtube attempts": "Попыток YouTube",
    "Youtube privacy": "Доступ YouTube",
    "Youtube status": "Статус YouTube",
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
