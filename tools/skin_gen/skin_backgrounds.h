#pragma once
// Window backgrounds and advertisement pictures, at the sizes and frames of the skin's
// geometry table (common/skin).
#include <QImage>

namespace skin_gen {

QImage DrawLoginBackground();      // 415 x 281, the login window (277 x 173 dialog units)
QImage DrawMainBackground();       // 847 x 633, the main window (565 x 390 dialog units)
QImage DrawPageBackground();       // 823 x 341, a page: button row above the panel area
QImage DrawComprehensiveBackground();  // 778 x 269, the comprehensive evaluation panel
QImage DrawDetailBackground();     // 400 x 300, stretched over the dimension detail windows
QImage DrawTipBackground();        // 130 x 81, the tip window (87 x 50 dialog units)
QImage DrawNewsPopupBackground();  // 250 x 160, the sliding news pop-up
QImage DrawNewsListBackground();   // 640 x 480, the news list window
QImage DrawAboutBackground();      // 360 x 220, the about window
QImage DrawRepairBackground();     // 480 x 291, the repair tool (320 x 179 dialog units)
QImage DrawAdvertisement(int which);  // 150 x 91, ad_1 to ad_3

}  // namespace skin_gen
