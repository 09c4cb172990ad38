#!/bin/sh
# The Debian package, made as the README says (`cpack -G DEB` in the build directory): its files
# are the game's layout under /usr and nothing else, its Depends come from the shared libraries,
# and lintian finds no errors in it. Usage: package_test.sh BUILD_DIR
set -eu
cd "$1"
rm -f tobrakka_*.deb
if ! cpack -G DEB >cpack.log 2>&1; then
  cat cpack.log
  exit 1
fi
deb=$(ls tobrakka_*_*.deb)
echo "== $deb"
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Depends
failed=0

listing=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for want in ./usr/games/tobrakka ./usr/games/tobrakka-sim \
            ./usr/share/games/tobrakka/data/levels.xml ./usr/share/games/tobrakka/data/levels/level01.txt \
            ./usr/share/games/tobrakka/data/gfx/line.png ./usr/share/games/tobrakka/data/sfx/tandrel_-_entering_evil_base.ogg \
            ./usr/share/games/tobrakka/data/lang/fr.mo ./usr/share/games/tobrakka/data/gfx/ja/paused.png \
            ./usr/share/applications/tobrakka.desktop ./usr/share/metainfo/tobrakka.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/tobrakka.png ./usr/share/icons/hicolor/256x256/apps/tobrakka.png \
            ./usr/share/man/man6/tobrakka.6.gz ./usr/share/doc/tobrakka/copyright ./usr/share/doc/tobrakka/changelog.gz; do
  echo "$listing" | grep -qx "$want" || { echo "missing from the package: $want"; failed=1; }
done
# Every entry is one of the game's own files or a directory on the way to them.
for path in $listing; do
  case "$path" in
    ./|./usr/|./usr/games/|./usr/share/|./usr/share/games/|./usr/share/applications/|./usr/share/metainfo/|\
    ./usr/share/icons/|./usr/share/icons/hicolor/|./usr/share/icons/hicolor/*/|./usr/share/icons/hicolor/*/apps/|\
    ./usr/share/man/|./usr/share/man/man6/|./usr/share/doc/|./usr/share/doc/tobrakka/) ;;
    ./usr/games/tobrakka|./usr/games/tobrakka-sim|./usr/share/games/tobrakka/*|./usr/share/applications/tobrakka.desktop|\
    ./usr/share/metainfo/tobrakka.metainfo.xml|./usr/share/icons/hicolor/*/apps/tobrakka.png|./usr/share/man/man6/tobrakka*.6.gz|\
    ./usr/share/doc/tobrakka/*) ;;
    *) echo "unexpected in the package: $path"; failed=1 ;;
  esac
done

# SDL 2 itself, never the SDL 1.2 API.
for library in 'libsdl2-2\.0-0' 'libsdl2-mixer-2\.0-0' 'libsdl2-image-2\.0-0' libgl1 libc6; do
  dpkg-deb -f "$deb" Depends | grep -Eq "$library" || { echo "Depends lacks $library"; failed=1; }
done
if dpkg-deb -f "$deb" Depends | grep -Eq 'libsdl1\.2|libsdl-(mixer|image)1\.2'; then
  echo "Depends names an SDL 1.2 library"; failed=1
fi
[ "$(dpkg-deb -f "$deb" Section)" = games ] || { echo "the section is not games"; failed=1; }

echo "== lintian"
lintian --fail-on error --display-info "$deb" || failed=1
exit $failed
