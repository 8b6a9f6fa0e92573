<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>tumblix::AboutWindow</name>
    <message>
        <source>Игра сделана с любовью к падающим фигуркам. © 2026</source>
        <translation>A game made with love for falling figures. © 2026</translation>
    </message>
    <message>
        <source>Управление - стрелочными клавишами + Пробел (инвертирование фигурки) или мышкой над игровым полем (левая кнопка поворот фигурки, правая - бросить фигурку). Настройки и другие сервисы расположены в рамке Menu (внизу и справа от игрового поля).</source>
        <translation>Play with the arrow keys and Space (inverts the figure), or with the mouse over the board (left button rotates the figure, right button drops it). Settings and more are in the Menu frame (below the board, on the right).</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tumblix::BestPlayers</name>
    <message>
        <source>Таблица рекордов не записана: файл %1 не читается, он оставлен как есть</source>
        <translation>The best-players table was not saved: the file %1 cannot be read and was left as it is</translation>
    </message>
    <message>
        <source>Таблица рекордов не записана в файл %1: %2</source>
        <translation>The best-players table was not saved to the file %1: %2</translation>
    </message>
</context>
<context>
    <name>tumblix::EnterNameDialog</name>
    <message>
        <source>Введите Ваше имя</source>
        <translation>Enter your name</translation>
    </message>
</context>
<context>
    <name>tumblix::GameOverDialog</name>
    <message>
        <source>Начать новую игру ?</source>
        <translation>Start a new game?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>tumblix::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tumblix::MainWindow</name>
    <message>
        <source>Удаляются только полностью заполненные горизонтальные линии. Одной фигуркой можно удалить от 1 до 4 линий.</source>
        <translation>Only completely filled rows are removed. One figure can remove 1 to 4 rows.</translation>
    </message>
    <message>
        <source>Управление - стрелочными клавишами ( мышкой их тоже можно нажимать ).</source>
        <translation>Play with the arrow keys (you can click these buttons with the mouse too).</translation>
    </message>
    <message>
        <source>Бросить фигурку - Стрелка Вниз или правая кнопка мыши.</source>
        <translation>Drop the figure: Down arrow or the right mouse button.</translation>
    </message>
    <message>
        <source>Перемещение фигурки вправо - Стрелка Вправо или перемещение мыши над игровым полем вправо.</source>
        <translation>Move the figure right: Right arrow, or move the mouse right over the board.</translation>
    </message>
    <message>
        <source>Перемещение фигурки влево - Стрелка Влево или перемещение мыши над игровым полем влево.</source>
        <translation>Move the figure left: Left arrow, or move the mouse left over the board.</translation>
    </message>
    <message>
        <source>Вращение фигурки - Стрелка Вверх или левая кнопка мыши.</source>
        <translation>Rotate the figure: Up arrow or the left mouse button.</translation>
    </message>
    <message>
        <source>Инверсия - Пробел. Заполненные квадратики становятся пустыми, пустые - заполненными.</source>
        <translation>Invert: Space. Filled squares become empty, empty ones filled.</translation>
    </message>
    <message>
        <source>Когда эта надпись видна, игра находится в режиме паузы.</source>
        <translation>While this sign shows, the game is paused.</translation>
    </message>
    <message>
        <source>Это меню. При продвижении по таблице кнопки в Меню начинают мигать.</source>
        <translation>This is the menu. As you climb the best-players table, the Menu buttons start to blink.</translation>
    </message>
    <message>
        <source>Показать/скрыть *.mp3 &amp; *.wma Player.</source>
        <translation>Show or hide the *.mp3 &amp; *.wma Player.</translation>
    </message>
    <message>
        <source>Выход из игры.</source>
        <translation>Quit the game.</translation>
    </message>
    <message>
        <source>Показать/скрыть расширенную подсказку ( окно Future ).</source>
        <translation>Show or hide the figures to come (the Future window).</translation>
    </message>
    <message>
        <source>Автоматическая пристыковка окон The Best Of The Tumblix, Future, Statistic  и *.mp3 &amp; *.wma Player.</source>
        <translation>Dock the windows The Best Of The Tumblix, Future, Statistic and *.mp3 &amp; *.wma Player beside the game.</translation>
    </message>
    <message>
        <source>Показать/скрыть статистику ( окно Statistic ).</source>
        <translation>Show or hide the statistics (the Statistic window).</translation>
    </message>
    <message>
        <source>Показать/скрыть таблицу рекордов ( окно The Best Of The Tumblix ).</source>
        <translation>Show or hide the best-players table (the The Best Of The Tumblix window).</translation>
    </message>
    <message>
        <source>Hастройка музыкального сопровождения, отображения фантома и т.д.</source>
        <translation>Settings for the music, the ghost figure and more.</translation>
    </message>
    <message>
        <source>Обучающий видеоролик ( пример ужасной игры ).</source>
        <translation>A demo to learn from (an example of terrible play).</translation>
    </message>
    <message>
        <source>Вызов справки.</source>
        <translation>Show the help.</translation>
    </message>
    <message>
        <source>Пауза - Клавиша ESC. При нажатии ESC все окна свернутся.</source>
        <translation>Pause: Esc. Esc also minimises all the game&apos;s windows.</translation>
    </message>
    <message>
        <source>Текущий счет.</source>
        <translation>Your score.</translation>
    </message>
    <message>
        <source>Текущий счет. В окне Statistic приведена полная информация о том, как получена эта цифра.</source>
        <translation>Your score. The Statistic window shows in full how it was earned.</translation>
    </message>
    <message>
        <source>Чем больше линий одновременно удалено, тем больше бонус.</source>
        <translation>The more rows removed at once, the bigger the bonus.</translation>
    </message>
    <message>
        <source>За одну удаленную линию бонус - 275.</source>
        <translation>Bonus for one row removed: 275.</translation>
    </message>
    <message>
        <source>За две одновременно удаленные линии бонус - 800.</source>
        <translation>Bonus for two rows removed at once: 800.</translation>
    </message>
    <message>
        <source>За три одновременно удаленные линии бонус - 2225.</source>
        <translation>Bonus for three rows removed at once: 2225.</translation>
    </message>
    <message>
        <source>За четыре одновременно удаленные линии бонус - 5000.</source>
        <translation>Bonus for four rows removed at once: 5000.</translation>
    </message>
    <message>
        <source>Здесь обычно изображена следующая фигурка.</source>
        <translation>The next figure usually shows here.</translation>
    </message>
    <message>
        <source> Tumblix - фигурка    Бонус </source>
        <translation> Tumblix figure    Bonus </translation>
    </message>
    <message>
        <source>Бонус ( до 5000 ) за показанную Tumblix-фигурку. Есть супер-фигурка :  Tumblix - выпадает очень редко, а бонус за нее - 25000.</source>
        <translation>Bonus (up to 5000) for the Tumblix figure shown. There is a super figure too, Tumblix: it comes very rarely, and its bonus is 25000.</translation>
    </message>
    <message>
        <source>Суммарный бонус за Tumblix-фигурки.</source>
        <translation>Total bonus for Tumblix figures.</translation>
    </message>
    <message>
        <source>Этот бонус зависит от времени.</source>
        <translation>This bonus depends on time.</translation>
    </message>
    <message>
        <source>Ваше текущее место в таблице.</source>
        <translation>Your place in the table now.</translation>
    </message>
    <message>
        <source>Число линий, которые надо удалить чтобы  перейти на следующий уровень.</source>
        <translation>Rows still to remove to reach the next level.</translation>
    </message>
    <message>
        <source>Сколько очков до следующего места в таблице.</source>
        <translation>Points still needed for the next place in the table.</translation>
    </message>
    <message>
        <source>Tumblix XII. Игра сделана с любовью к падающим фигуркам.</source>
        <translation>Tumblix XII. A game made with love for falling figures.</translation>
    </message>
    <message>
        <source>Бонус за время. Чем быстрее Вы бросите фигурку, тем больше будет бонус.</source>
        <translation>Time bonus. The sooner you drop the figure, the bigger the bonus.</translation>
    </message>
    <message>
        <source>Суммарный бонус за время.</source>
        <translation>Total time bonus.</translation>
    </message>
    <message>
        <source>Уровень сложности ( Скорость игры ). Инкрементирует ( увеличивается ) после каждых семи удаленных линий.</source>
        <translation>Difficulty level (game speed). It goes up after every seven rows removed.</translation>
    </message>
    <message>
        <source>с Tumblix&apos;ом</source>
        <translation>the game&apos;s folder</translation>
    </message>
    <message>
        <source>Лучшие игроки. Если запустить %1 на удаленном компьютере, то и результат запишется в таблицу рекордов на удаленном компьютере. Чтобы очистить таблицу надо удалить файл TumblixFathers.txt ( он в папке %2 ).</source>
        <translation>Best players. If you run %1 on a remote computer, the score goes into the best-players table on that computer. To clear the table, delete the file TumblixFathers.txt (it is in %2).</translation>
    </message>
    <message>
        <source>Tumblix-фигурка Bonus %1</source>
        <translation>Tumblix figure Bonus %1</translation>
    </message>
    <message>
        <source>файл не читается, он оставлен как есть</source>
        <translation>the file cannot be read and was left as it is</translation>
    </message>
    <message>
        <source>Tumblix: настройки не записаны в файл %1: %2</source>
        <translation>Tumblix: the settings were not saved to the file %1: %2</translation>
    </message>
</context>
<context>
    <name>tumblix::Mp3Window</name>
    <message>
        <source>Название композиции</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Время проигрывания</source>
        <translation>Time played</translation>
    </message>
    <message>
        <source>Выбрать файл для воспроизведения</source>
        <translation>Choose a file to play</translation>
    </message>
    <message>
        <source>Повторять сначала</source>
        <translation>Play again from the start</translation>
    </message>
</context>
<context>
    <name>tumblix::SplashWindow</name>
    <message>
        <source>Tumblix: загрузка</source>
        <translation>Tumblix: loading</translation>
    </message>
    <message>
        <source>Свободная игра: играйте, дарите, делитесь.</source>
        <translation>A free game: play it, give it, share it.</translation>
    </message>
    <message>
        <source>Мастерская Tumblix</source>
        <translation>Tumblix Workshop</translation>
    </message>
</context>
<context>
    <name>tumblix::WriteError</name>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>диск только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>папка не найдена</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>на месте файла папка</source>
        <translation>a folder stands in the file&apos;s place</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>ошибка</source>
        <translation>error</translation>
    </message>
</context>
<context>
    <name>tumblix::frmOpen</name>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Устройство не готово</source>
        <translation>The drive is not ready</translation>
    </message>
</context>
<context>
    <name>tumblix::frmSeq</name>
    <message>
        <source>Определение последовательности появления фигурок</source>
        <translation>Figure sequence</translation>
    </message>
    <message>
        <source>Последовательность появления фигурок</source>
        <translation>Figure sequence</translation>
    </message>
    <message>
        <source>Доступные фигурки</source>
        <translation>Available figures</translation>
    </message>
    <message>
        <source>Для добавления фигурки в последовательность щелкните на ней в Доступных фигурках</source>
        <translation>To add a figure to the sequence, click it in Available figures</translation>
    </message>
    <message>
        <source>Для удаления фигурки - щелкните на ней в Последовательности появления фигурок</source>
        <translation>To remove a figure, click it in Figure sequence</translation>
    </message>
    <message>
        <source>Выводить последовательность в случайном порядке</source>
        <translation>Deal the sequence in random order</translation>
    </message>
    <message>
        <source>Включить</source>
        <translation>Turn on</translation>
    </message>
    <message>
        <source>Отключить</source>
        <translation>Turn off</translation>
    </message>
    <message>
        <source>Последовательность включена</source>
        <translation>Sequence on</translation>
    </message>
    <message>
        <source>Последовательность отключена</source>
        <translation>Sequence off</translation>
    </message>
</context>
<context>
    <name>tumblix::frmSettings</name>
    <message>
        <source>Инверсия</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Появление Tumblix-фигурки</source>
        <translation>Tumblix figure appears</translation>
    </message>
    <message>
        <source>Удаление линиий</source>
        <translation>Rows removed</translation>
    </message>
    <message>
        <source>Приземление</source>
        <translation>Landing</translation>
    </message>
    <message>
        <source>Бросить</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>Вращение</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Громкость</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Скорость воспроизведения</source>
        <translation>Playback speed</translation>
    </message>
    <message>
        <source>Первый вариант</source>
        <translation>First sound</translation>
    </message>
    <message>
        <source>Второй вариант</source>
        <translation>Second sound</translation>
    </message>
    <message>
        <source>Выбрать файл</source>
        <translation>Choose file…</translation>
    </message>
    <message>
        <source>Выключить</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Имя wav-файла</source>
        <translation>Wave file name</translation>
    </message>
    <message>
        <source>Фоновая музыка</source>
        <translation>Background music</translation>
    </message>
    <message>
        <source>Скорость перехода звука из одной стороны в другую</source>
        <translation>How fast the sound moves from side to side</translation>
    </message>
    <message>
        <source>Последовательность</source>
        <translation>Figure sequence</translation>
    </message>
    <message>
        <source>Задать последовательность появления фигурок</source>
        <translation>Set the figure sequence</translation>
    </message>
    <message>
        <source>Сетка</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Фантом</source>
        <translation>Ghost</translation>
    </message>
    <message>
        <source>Hе показывать</source>
        <translation>Never show</translation>
    </message>
    <message>
        <source>Только при появлении Tumblix-фигурки</source>
        <translation>Only with a Tumblix figure</translation>
    </message>
    <message>
        <source>Показывать всегда</source>
        <translation>Always show</translation>
    </message>
    <message>
        <source>Основные события</source>
        <translation>Game sounds</translation>
    </message>
    <message>
        <source>Выкл. озвучивание осн. событий</source>
        <translation>Mute game sounds</translation>
    </message>
</context>
</TS>
