// Replays a fuzz target's corpus as an ordinary test: every input that ever
// mattered (the edge cases, and each crash once found) runs at every build.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

int main(int argc, char* argv[])
{
    int fichiers = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> chemins;
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entree : std::filesystem::directory_iterator(argv[i]))
                if (entree.is_regular_file())
                    chemins.push_back(entree.path());
        } else {
            chemins.emplace_back(argv[i]);
        }
        for (const auto& chemin : chemins) {
            std::ifstream in(chemin, std::ios::binary);
            const std::string octets{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
            ++fichiers;
        }
    }
    std::printf("%d entrées rejouées\n", fichiers);
    return fichiers > 0 ? 0 : 1;
}
