// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_layout.h"

namespace tumblix {

namespace {
using K = ControlKind;

// Upper menu row: commands; lower row: the side windows.
constexpr int kMenuX0 = 75, kMenuDX = 600, kMenuW = 585, kMenuH = 345, kMenuUpper = 240,
              kMenuLower = 630;

constexpr ControlSpec kControls[] = {
    {"fraTumblix", K::Frame, nullptr, "", "", 120, 120, 3735, 6615},
    {"picTumblix", K::Picture, "fraTumblix", "",
     "Удаляются только полностью заполненные горизонтальные линии. Одной фигуркой можно удалить от "
     "1 до 4 линий.",
     307, 87, 3120, 6440},
    {"fraBottom", K::Frame, nullptr, "", "", 840, 6960, 1935, 855},
    {"fraControl", K::Frame, "fraBottom", "Control",
     "Управление - стрелочными клавишами ( мышкой их тоже можно нажимать ).", 60, 15, 1815, 795},
    {"cmdDown", K::Button, "fraControl", "V",
     "Бросить фигурку - Стрелка Вниз или правая кнопка мыши.", 660, 420, 495, 225},
    {"cmdLeftRight(2)", K::Button, "fraControl", ">",
     "Перемещение фигурки вправо - Стрелка Вправо или перемещение мыши над игровым полем вправо.",
     1200, 195, 495, 450},
    {"cmdLeftRight(0)", K::Button, "fraControl", "<",
     "Перемещение фигурки влево - Стрелка Влево или перемещение мыши над игровым полем влево.", 120,
     195, 495, 450},
    {"cmdRotate(0)", K::Button, "fraControl", "^",
     "Вращение фигурки - Стрелка Вверх или левая кнопка мыши.", 660, 195, 495, 210},
    {"cmdSpace", K::Button, "fraControl", "",
     "Инверсия - Пробел. Заполненные квадратики становятся пустыми, пустые - заполненными.", 120,
     675, 1575, 90},
    {"lblPause", K::Label, "fraBottom", "Pause",
     "Когда эта надпись видна, игра находится в режиме паузы.", 60, 15, 1815, 795},
    {"fraBottomRight", K::Frame, nullptr, "", "", 3240, 6840, 3255, 1095},
    {"frmMenu", K::Frame, "fraBottomRight", "Menu",
     "Это меню. При продвижении по таблице кнопки в Меню начинают мигать.", 60, 15, 3135, 1035},
    {"chkMP3", K::CheckButton, "frmMenu", "MP3", "Показать/скрыть *.mp3 & *.wma Player.",
     kMenuX0 + 4 * kMenuDX, kMenuLower, kMenuW, kMenuH},
    {"chkExit", K::CheckButton, "frmMenu", "Exit", "Выход из игры.", kMenuX0 + 4 * kMenuDX,
     kMenuUpper, kMenuW, kMenuH},
    {"chkFuture", K::CheckButton, "frmMenu", "Future",
     "Показать/скрыть расширенную подсказку ( окно Future ).", kMenuX0 + 1 * kMenuDX, kMenuLower,
     kMenuW, kMenuH},
    {"chkAuto", K::CheckButton, "frmMenu", "Auto",
     "Автоматическая пристыковка окон The Best Of The Tumblix, Future, Statistic  и *.mp3 & *.wma "
     "Player.",
     kMenuX0, kMenuLower, kMenuW, kMenuH},
    {"chkStat", K::CheckButton, "frmMenu", "Stat", "Показать/скрыть статистику ( окно Statistic ).",
     kMenuX0 + 3 * kMenuDX, kMenuLower, kMenuW, kMenuH},
    {"chkRec", K::CheckButton, "frmMenu", "Best",
     "Показать/скрыть таблицу рекордов ( окно The Best Of The Tumblix ).", kMenuX0 + 2 * kMenuDX,
     kMenuLower, kMenuW, kMenuH},
    {"chkSet", K::CheckButton, "frmMenu", "Set",
     "Hастройка музыкального сопровождения, отображения фантома и т.д.", kMenuX0 + 3 * kMenuDX,
     kMenuUpper, kMenuW, kMenuH},
    {"chkDemo", K::CheckButton, "frmMenu", "Demo", "Обучающий видеоролик ( пример ужасной игры ).",
     kMenuX0 + 2 * kMenuDX, kMenuUpper, kMenuW, kMenuH},
    {"chkHelp", K::CheckButton, "frmMenu", "Help", "Вызов справки.", kMenuX0 + 1 * kMenuDX,
     kMenuUpper, kMenuW, kMenuH},
    {"chkPause", K::CheckButton, "frmMenu", "Pause",
     "Пауза - Клавиша ESC. При нажатии ESC все окна свернутся.", kMenuX0, kMenuUpper, kMenuW,
     kMenuH},
    {"fraLeft", K::Frame, nullptr, "", "", 4080, 240, 2415, 6375},
    {"fraScore", K::Frame, "fraLeft", "Score", "Текущий счет.", 120, 90, 2175, 705},
    {"lblScore", K::Label, "fraScore", "---",
     "Текущий счет. В окне Statistic приведена полная информация о том, как получена эта цифра.",
     120, 225, 1935, 405},
    {"fraLines", K::Frame, "fraLeft", "Lines Bonus",
     "Чем больше линий одновременно удалено, тем больше бонус.", 120, 870, 2175, 1245},
    {"lblCountLines(1)", K::Label, "fraLines", "", "За одну удаленную линию бонус - 275.", 120, 225,
     1935, 225},
    {"lblCountLines(2)", K::Label, "fraLines", "",
     "За две одновременно удаленные линии бонус - 800.", 120, 465, 1935, 225},
    {"lblCountLines(3)", K::Label, "fraLines", "",
     "За три одновременно удаленные линии бонус - 2225.", 120, 705, 1935, 225},
    {"lblCountLines(4)", K::Label, "fraLines", "",
     "За четыре одновременно удаленные линии бонус - 5000.", 120, 945, 1935, 225},
    {"picNext", K::Picture, "fraLeft", "", "Здесь обычно изображена следующая фигурка.", 120, 2205,
     1095, 1095},
    {"lblFirma", K::Label, "fraLeft", " Tumblix - фигурка    Бонус ",
     "Бонус ( до 5000 ) за показанную Tumblix-фигурку. Есть супер-фигурка :  Tumblix - выпадает "
     "очень редко, а "
     "бонус за нее - 25000.",
     1290, 2205, 1005, 1095},
    {"lblSumBonus", K::Label, "fraLeft", "Label1", "Суммарный бонус за Tumblix-фигурки.", 120, 3375,
     2175, 240},
    {"lblHeightBonus", K::Label, "fraLeft", "Time Bonus", "Этот бонус зависит от времени.", 120,
     5055, 1155, 240},
    {"lblLevel", K::Label, "fraLeft", "Level # 0",
     "Уровень сложности ( Скорость игры ). Инкрементирует ( увеличивается ) после каждых семи "
     "удаленных "
     "линий.",
     120, 3675, 2175, 300},
    {"lblPosition", K::Label, "fraLeft", "Position", "Ваше текущее место в таблице.", 120, 4290,
     2175, 300},
    {"lblRemain", K::Label, "fraLeft", "Label1",
     "Число линий, которые надо удалить чтобы  перейти на следующий уровень.", 120, 3990, 2175,
     240},
    {"lblNextPlace", K::Label, "fraLeft", "Label1", "Сколько очков до следующего места в таблице.",
     120, 4620, 2175, 240},
    {"lblAutors", K::Label, "fraLeft", "",
     "Tumblix XII. Игра сделана с любовью к падающим фигуркам.", 120, 5700, 2175, 540},
    {"lblTimeBonus", K::Label, "fraLeft", "***",
     "Бонус за время. Чем быстрее Вы бросите фигурку, тем больше будет бонус.", 1320, 5055, 975,
     240},
    {"lblTotal", K::Label, "fraLeft", "Total Time Bonus", "Суммарный бонус за время.", 120, 5355,
     1560, 240},
    {"lblTotalScore", K::Label, "fraLeft", "4000000", "Суммарный бонус за время.", 1695, 5355, 600,
     240},
    {"Label1", K::Bar, nullptr, "Label1", "", 3840, 2520, 615, 30},
    {"Label2", K::Bar, nullptr, "Label2", "", 2760, 7320, 615, 30},
    {"Label3", K::Bar, nullptr, "Label3", "", 480, 6720, 30, 975},
    {"Label4", K::Bar, nullptr, "Label4", "", 480, 7320, 495, 30},
    {"Label5", K::Bar, nullptr, "Label5", "", 4000, 0, 30, 2535},
};
}  // namespace

std::span<const ControlSpec> mainWindowControls() {
    return kControls;
}

}  // namespace tumblix
