// SPDX-License-Identifier: MIT
#include "gamefiles.h"

#include "textconfig.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace kestrin::testing {

using import::ConfigClass;
using import::ConfigValue;

namespace {

void put32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

void putCount(QByteArray &out, quint32 v)
{
    do {
        quint8 b = v & 0x7F;
        v >>= 7;
        if (v)
            b |= 0x80;
        out.append(char(b));
    } while (v);
}

void putString(QByteArray &out, const QString &s)
{
    out.append(s.toUtf8());
    out.append('\0');
}

bool isInteger(const QString &text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

void putScalar(QByteArray &out, const ConfigValue &v, bool withType)
{
    // withType: an array element's type byte; otherwise the value's
    // sub-type byte is written by the caller's layout (same numbers).
    if (v.kind == ConfigValue::Number && isInteger(v.text)) {
        if (withType)
            out.append(char(2));
        put32(out, quint32(v.text.toInt()));
    } else if (v.kind == ConfigValue::Number) {
        if (withType)
            out.append(char(1));
        const float f = v.text.toFloat();
        quint32 bits = 0;
        std::memcpy(&bits, &f, 4);
        put32(out, bits);
    } else {
        if (withType)
            out.append(char(0));
        putString(out, v.text);
    }
}

void putArray(QByteArray &out, const ConfigValue &array)
{
    putCount(out, quint32(array.items.size()));
    for (const ConfigValue &item : array.items) {
        if (item.kind == ConfigValue::Array) {
            out.append(char(3));
            putArray(out, item);
        } else {
            putScalar(out, item, true);
        }
    }
}

void putBody(QByteArray &out, const ConfigClass &c)
{
    putString(out, c.base);
    putCount(out, quint32(c.values.size() + c.classes.size()));
    for (const auto &entry : c.values) {
        if (entry.value.kind == ConfigValue::Array) {
            out.append(char(2));
            putString(out, entry.name);
            putArray(out, entry.value);
            continue;
        }
        out.append(char(1));
        const ConfigValue &v = entry.value;
        out.append(char(v.kind == ConfigValue::Number ? (isInteger(v.text) ? 2 : 1) : 0));
        putString(out, entry.name);
        putScalar(out, v, false);
    }
    QList<qsizetype> patches;
    for (const ConfigClass &child : c.classes) {
        if (child.declarationOnly) {
            out.append(char(3));
            putString(out, child.name);
            patches.append(-1);
            continue;
        }
        out.append(char(0));
        putString(out, child.name);
        patches.append(out.size());
        put32(out, 0);
    }
    for (size_t i = 0; i < c.classes.size(); ++i) {
        if (patches[qsizetype(i)] < 0)
            continue;
        const quint32 at = quint32(out.size());
        for (int k = 0; k < 4; ++k)
            out[patches[qsizetype(i)] + k] = char((at >> (8 * k)) & 0xFF);
        putBody(out, c.classes[i]);
    }
}

} // namespace

QByteArray lzssCompress(QByteArrayView data)
{
    QByteArray out;
    qsizetype pos = 0;
    while (pos < data.size()) {
        const qsizetype flagAt = out.size();
        out.append('\0');
        quint8 flags = 0;
        for (int bit = 0; bit < 8 && pos < data.size(); ++bit) {
            qsizetype bestLength = 0;
            qsizetype bestDistance = 0;
            const qsizetype window = qMin<qsizetype>(pos, 4095);
            for (qsizetype distance = 1; distance <= window; ++distance) {
                qsizetype length = 0;
                while (length < 18 && pos + length < data.size() && data[pos + length] == data[pos - distance + length])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = distance;
                }
            }
            if (bestLength >= 3) {
                out.append(char(bestDistance & 0xFF));
                out.append(char(((bestDistance >> 4) & 0xF0) | (bestLength - 3)));
                pos += bestLength;
            } else {
                flags |= quint8(1u << bit);
                out.append(data[pos++]);
            }
        }
        out[flagAt] = char(flags);
    }
    quint32 sum = 0;
    for (char c : data)
        sum += quint8(c);
    put32(out, sum);
    return out;
}

QByteArray makePbo(const QList<PboFile> &files, const PboOptions &options)
{
    QByteArray header;
    QByteArray body;
    if (!options.properties.isEmpty()) {
        header.append('\0');
        put32(header, 0x56657273);
        for (int i = 0; i < 4; ++i)
            put32(header, 0);
        for (const auto &[key, value] : options.properties) {
            header.append(key).append('\0');
            header.append(value).append('\0');
        }
        header.append('\0');
    }
    for (const PboFile &file : files) {
        const QByteArray stored = file.compress ? lzssCompress(file.data) : file.data;
        header.append(file.name).append('\0');
        put32(header, file.compress ? 0x43707273 : 0);
        put32(header, file.compress ? quint32(file.data.size()) : 0);
        put32(header, 0);
        put32(header, 1700000000);
        put32(header, quint32(stored.size()));
        body.append(stored);
    }
    header.append('\0');
    for (int i = 0; i < 5; ++i)
        put32(header, 0);
    QByteArray pbo = header + body;
    if (options.checksum) {
        pbo.append('\0');
        pbo.append(QCryptographicHash::hash(pbo.left(pbo.size() - 1), QCryptographicHash::Sha1));
    }
    return pbo;
}

QByteArray makeRap(const ConfigClass &root)
{
    QByteArray out("\0raP", 4);
    put32(out, 0);
    put32(out, 8);
    put32(out, 0); // the enum table's offset, patched below
    putBody(out, root);
    const quint32 enums = quint32(out.size());
    for (int k = 0; k < 4; ++k)
        out[12 + k] = char((enums >> (8 * k)) & 0xFF);
    put32(out, 0); // no enums
    return out;
}

QByteArray rapFromText(const QByteArray &text)
{
    return makeRap(import::parseTextConfig(text, {}).root);
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

namespace fixtures {

namespace {

const QByteArray MissionSqm = R"(version=11;
class Mission
{
	addOns[]=
	{
		"chernarus",
		"CAWheeled",
		"ace_main",
		"kst_vehicles"
	};
	addOnsAuto[]=
	{
		"ACE_Main",
		"CA_Modules_Functions",
		"cba_main"
	};
	randomSeed=4141283;
	class Intel
	{
		briefingName="Escape from ""Chernarus""";
		startWeather=0.3;
		year=2009;
	};
	class Groups
	{
		items=1;
		class Item0
		{
			side="WEST";
			class Vehicles
			{
				items=1;
				class Item0
				{
					position[]={3520.5,15.2,7890.25};
					id=0;
					side="WEST";
					vehicle="USMC_Soldier";
					player="PLAYER COMMANDER";
					skill=0.6;
				};
			};
		};
	};
};
class Intro
{
	addOns[]=
	{
		"chernarus",
		"jsrs_sounds"
	};
	addOnsAuto[]=
	{
		"chernarus"
	};
	randomSeed=123;
	class Intel
	{
		startWeather=0.5;
	};
};
class OutroWin
{
	addOns[]=
	{
		"chernarus"
	};
	addOnsAuto[]=
	{
		"chernarus"
	};
	randomSeed=99;
	class Intel
	{
	};
};
class OutroLoose
{
	addOns[]=
	{
		"Kst_Vehicles"
	};
	addOnsAuto[]=
	{
	};
	randomSeed=77;
	class Intel
	{
	};
};
)";

const QByteArray DescriptionExt = R"(// Shown while the mission loads
onLoadName = "Escape";
#include "header.hpp"
onLoadMission = "Get out alive.";
)";

const QByteArray HeaderHpp = R"(author = "Vantry ""Kes"" Kestrin";
)";

} // namespace

QString spMissionFolder(const QString &base)
{
    const QString dir = base + QLatin1String("/missions/Escape.Chernarus");
    writeFile(dir + QLatin1String("/mission.sqm"), MissionSqm);
    writeFile(dir + QLatin1String("/description.ext"), DescriptionExt);
    writeFile(dir + QLatin1String("/header.hpp"), HeaderHpp);
    return dir;
}

QString spMissionPbo(const QString &base)
{
    const QString path = base + QLatin1String("/missions/Escape.Chernarus.pbo");
    PboOptions options;
    options.properties = {{"product", "Arma 2"}, {"prefix", "Escape.Chernarus"}};
    writeFile(path, makePbo({{"description.ext", DescriptionExt, false},
                             {"header.hpp", HeaderHpp, false},
                             {"mission.sqm", MissionSqm, true}},
                            options));
    return path;
}

QString binarizedMissionFolder(const QString &base)
{
    const QString dir = base + QLatin1String("/missions/Binary.Utes");
    writeFile(dir + QLatin1String("/mission.sqm"), rapFromText(MissionSqm));
    return dir;
}

QString mpMissionFolder(const QString &base)
{
    const QString dir = base + QLatin1String("/other/co08_Convoy.Takistan");
    writeFile(dir + QLatin1String("/mission.sqm"), R"(version=11;
class Mission
{
	addOns[]={"Takistan","CAWheeled_E","BAF_Jackal"};
	addOnsAuto[]={"CAWheeled_BAF"};
	class Intel
	{
		briefingName="Convoy";
	};
};
)");
    writeFile(dir + QLatin1String("/description.ext"), R"(author = Kestrin Team;
class Header
{
	gameType = COOP;
	minPlayers = 1;
	maxPlayers = 8;
};
)");
    return dir;
}

QString addonPbo(const QString &base)
{
    const QString path = base + QLatin1String("/addons/kst_vehicles.pbo");
    const QByteArray config = R"(#include "script_component.hpp"
class CfgPatches
{
	class kst_vehicles
	{
		units[] = {"kst_Truck"};
		weapons[] = {};
		requiredVersion = 1.54;
		requiredAddons[] = {"CAWheeled_E", "CBA_Main", "kst_common"};
		name = "Kestrin Vehicles";
		author[] = {"Vantry", "Kes"};
		url = "https://example.org/kestrin";
	};
	class kst_vehicles_sounds
	{
		units[] = {};
		weapons[] = {};
		requiredVersion = 1.62;
		requiredAddons[] = {"kst_vehicles", "cba_main", "JSRS_Sounds"};
	};
};
class CfgVehicles
{
	class Car;
	class kst_Truck: Car
	{
		displayName = "Truck";
	};
};
)";
    PboOptions options;
    options.properties = {{"prefix", "kst\\addons\\vehicles"}};
    writeFile(path, makePbo({{"config.cpp", config, false},
                             {"script_component.hpp", "#define COMPONENT vehicles\n", false},
                             {"data\\truck.paa", QByteArray(4096, 'x'), false}},
                            options));
    return path;
}

QString modFolder(const QString &base)
{
    const QString dir = base + QLatin1String("/@KestrinUnits");
    writeFile(dir + QLatin1String("/mod.cpp"), R"(name = "Kestrin Units";
picture = "logo.paa";
actionName = "Website";
action = "https://example.org/units";
description = "Units for the Kestrin campaign.";
author = "Kestrin Team";
)");
    const QByteArray men = rapFromText(R"(class CfgPatches
{
	class kst_men
	{
		requiredVersion = 1.6;
		requiredAddons[] = {"CACharacters_E", "kst_weapons", "CBA_Main"};
		author = "Kestrin Team";
	};
};
)");
    const QByteArray weapons = R"(class CfgPatches
{
	class kst_weapons
	{
		requiredAddons[] = {"CAWeapons_E", "cba_xeh"};
	};
};
)";
    writeFile(dir + QLatin1String("/addons/kst_men.pbo"), makePbo({{"config.bin", men, true}}));
    writeFile(dir + QLatin1String("/addons/kst_weapons.pbo"), makePbo({{"config.cpp", weapons, false}}));
    return dir;
}

QString gameInstallation(const QString &base)
{
    const QString dir = base + QLatin1String("/game");
    writeFile(dir + QLatin1String("/arma2.exe"), "MZ");
    const auto patches = [](QStringList names) {
        QByteArray text = "class CfgPatches\n{\n";
        for (const QString &n : names)
            text += "\tclass " + n.toUtf8() + "\n\t{\n\t\trequiredAddons[] = {};\n\t};\n";
        return text + "};\n";
    };
    writeFile(dir + QLatin1String("/AddOns/chernarus.pbo"),
              makePbo({{"config.bin", rapFromText(patches({QStringLiteral("Chernarus")})), false}},
                      {{{"product", "Arma 2"}}, true}));
    writeFile(dir + QLatin1String("/AddOns/wheeled.pbo"),
              makePbo(
                  {{"config.cpp", patches({QStringLiteral("CAWheeled"), QStringLiteral("CA_Modules_Functions")}), true},
                   {"data\\model.p3d", QByteArray(1024 * 1024, 'm'), false}}));
    writeFile(dir + QLatin1String("/Expansion/Addons/wheeled_e.pbo"),
              makePbo({{"config.bin", rapFromText(patches({QStringLiteral("CAWheeled_E"), QStringLiteral("Takistan")})),
                        false}}));
    writeFile(dir + QLatin1String("/BAF/Addons/wheeled_baf.pbo"),
              makePbo({{"config.cpp", patches({QStringLiteral("CAWheeled_BAF")}), false}}));
    return dir;
}

const std::array<Importable, 6> kImportables{{
    {"sp-mission-folder", spMissionFolder},
    {"sp-mission-pbo", spMissionPbo},
    {"binarized-mission", binarizedMissionFolder},
    {"mp-mission", mpMissionFolder},
    {"addon-pbo", addonPbo},
    {"mod-folder", modFolder},
}};

} // namespace fixtures

} // namespace kestrin::testing
