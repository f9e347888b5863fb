#include "import/CommandLine.h"

namespace
{

bool takeNumber(const QString &text, int *value)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 0 || n > 500)
        return false;
    *value = n;
    return true;
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    ParsedCommandLine parsed;
    ImportRequest &request = parsed.request;
    QStringList positional;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == "-") {
            positional << argument;
            continue;
        }
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.helpWanted = true;
        } else if (argument == "--dry-run") {
            request.dryRun = true;
        } else if (argument == "--app-folder") {
            if (!hasValue) {
                parsed.mistake = argument + ": falta la carpeta / the folder is missing";
                return parsed;
            }
            request.appFolder = arguments[++i];
        } else if (argument == "--gap") {
            if (!hasValue || !takeNumber(arguments[++i], &request.gap)) {
                parsed.mistake = argument + ": se espera un número de píxeles de 0 a 500 / "
                                            "expects a number of pixels from 0 to 500";
                return parsed;
            }
        } else {
            parsed.mistake = argument + ": opción desconocida / unknown option";
            return parsed;
        }
    }
    if (parsed.helpWanted)
        return parsed;
    if (positional.size() < 2) {
        parsed.mistake = "faltan la categoría y los dibujos / the category and the pictures are "
                         "missing";
        return parsed;
    }
    request.category = positional.takeFirst();
    request.files = positional;
    return parsed;
}

QString helpText()
{
    return QStringLiteral(
        "Uso: tintaro-import [--app-folder CARPETA] [--gap PÍXELES] [--dry-run] CATEGORÍA "
        "ARCHIVO...\n"
        "\n"
        "Convierte dibujos de líneas (PNG, JPEG, BMP, GIF, WebP, SVG, o un PDF o un TIFF con\n"
        "una página por dibujo) en dibujos para colorear de Tintaro: negro puro sobre blanco,\n"
        "líneas de al menos 3 píxeles, huecos de las líneas cerrados para que cada zona se\n"
        "pueda rellenar, 1000 x 700 píxeles. Los guarda en dibujos/CATEGORÍA/ con los números\n"
        "libres siguientes (nunca sobrescribe); una categoría nueva recibe su logo en logos/.\n"
        "Un nombre de categoría con \"peque\" es una categoría sencilla para los más pequeños.\n"
        "Rechaza, sin escribir nada, las fotos y todo lo que no sea un dibujo de líneas.\n"
        "\n"
        "  --app-folder CARPETA  la carpeta de Tintaro (por omisión, la de este programa)\n"
        "  --gap PÍXELES         cierra huecos de hasta tantos píxeles del dibujo original\n"
        "                        (un SVG o una página de PDF se dibuja en 2000 x 1400; por "
        "omisión,\n"
        "                        según su tamaño: 1 píxel de cada 200, al menos 4; 0 no\n"
        "                        cierra ninguno)\n"
        "  --dry-run             muestra lo que haría, sin escribir nada\n"
        "  --help, -h            esta ayuda\n"
        "\n"
        "Ejemplo: tintaro-import granja vaca.png cerdo.jpg fichas.pdf\n"
        "\n"
        "Usage: tintaro-import [--app-folder DIR] [--gap PIXELS] [--dry-run] CATEGORY FILE...\n"
        "\n"
        "Turns line art (PNG, JPEG, BMP, GIF, WebP, SVG, or a PDF or a TIFF with one drawing\n"
        "per page) into Tintaro colouring pages: pure black on white, lines at least 3 pixels\n"
        "wide, gaps in the lines closed so that every area can be filled, 1000 x 700 pixels.\n"
        "They are saved in dibujos/CATEGORY/ under the next free numbers (nothing is ever\n"
        "overwritten); a new category gets its logo in logos/. A category name containing\n"
        "\"peque\" is a simple category for the youngest children. Photographs and anything\n"
        "that is not line art are refused and nothing is written.\n"
        "\n"
        "  --app-folder DIR   Tintaro's folder (by default, the folder of this program)\n"
        "  --gap PIXELS       closes gaps up to this many pixels of the original picture\n"
        "                     (an SVG or a PDF page is drawn to fit 2000 x 1400; by default,\n"
        "                     from its size: 1 pixel in 200, at least 4; 0 closes none)\n"
        "  --dry-run          shows what would be done, writing nothing\n"
        "  --help, -h         this help\n"
        "\n"
        "Example: tintaro-import granja cow.png pig.jpg worksheets.pdf\n");
}
