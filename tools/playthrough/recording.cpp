#include "tools/playthrough/recording.h"

#include <fstream>
#include <sstream>

std::vector<Checkpoint> ReadRecording(const std::string& path) {
    std::vector<Checkpoint> points;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Checkpoint point;
        fields >> point.frame >> std::hex >> point.state;
        point.hasPicture = static_cast<bool>(fields >> point.picture);
        points.push_back(point);
    }
    return points;
}

void WriteRecording(const std::string& path, const std::vector<Checkpoint>& points) {
    std::ofstream out(path);
    for (const Checkpoint& point : points) {
        out << point.frame << ' ' << std::hex << point.state;
        if (point.hasPicture) out << ' ' << point.picture;
        out << std::dec << '\n';
    }
}
