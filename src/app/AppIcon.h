#pragma once

class QIcon;

namespace AppIcon {

// The program's icon, in every size it is rendered at, for the windows'
// title bars and the task switcher.
QIcon icon();

}
