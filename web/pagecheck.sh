#!/usr/bin/env bash
# The web page plays the same game as the native one: the recording tests/data/recordings/bot11
# is played by the native game in a virtual X display and by the page (build-web/, from
# scripts/web.sh) in Debian's headless Chromium. The digests both print at the same moments
# must be equal, and so must, within a tolerance, the pictures both save at the same step (the
# two draw with different software rasterisers: Mesa's natively, SwiftShader in Chromium). The
# recording clears level 1, so the page saves the player's progress and a replay (which must
# verify in the native tobrakka-sim); loaded again,
# the page must find both in the browser's IndexedDB, be kept by its service worker (and then
# start with no server at all), save and refuse saves as it should, and show no toolchain line.
# F11 must put the game's canvas on the whole screen, the touch controls must move the hero and
# fire, a tap on the picture must go on after a death, a hidden page must pause, a level
# shared by link must play in the page as natively, and a French browser must see the page in French.
#
#   web/pagecheck.sh     prints what it compared and the page's steps per second; exit 0 when
#                        all holds, 1 when not; skips (exit 0, one line) where Chromium cannot start
#   KEEP=DIR web/pagecheck.sh   also leaves both pictures (native.png, page.png) in DIR
#   BUILD_DIR=DIR web/pagecheck.sh   compares with the native game built in DIR (default: build)
#
# Every wait of the page test is for what the page does (its digests, its lines, its files);
# kGuard, generous, only ends a page that hangs: a busy machine plays slower, never wrongly.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
native="$top/${BUILD_DIR:-build}"
kGuard=1200
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Mean difference of a colour channel (0-255) over the whole picture, and the share of pixels
# with a channel more than 24 apart, that the two rasterisers may leave.
kMeanTolerance=2.0
kShareTolerance=0.01

# The recording, with the title dismissed, digests every 8 s of game time, one picture at 20 s
# and the end at 32 s; PICTURE names where the picture goes.
playScript() {
  {
    echo "title down 32"
    { grep -v '^#' "$top/tests/data/recordings/bot11.script"
      printf '%s digest\n' 8000 16000 24000 32000
      echo "20000 screenshot $1"
      echo "32000 quit"; } | sort -s -n -k1,1
  } >"$2"
}
playScript "$work/native.png" "$work/native.script"
playScript /tmp/page.png "$work/page.script"

export SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
(cd "$work" && xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$native/tobrakka" -seed 11 -digest -fps \
  -script "$work/native.script" >"$work/native.out" 2>&1)
grep '^digest ' "$work/native.out" >"$work/native.digests"
grep '^fps: ' "$work/native.out" >"$work/native.fps" || true

status=0
node "$top/web/pagetest.js" --page "$top/build-web" --script "$work/page.script" --args "-seed 11 -digest -fps" \
  --shot /tmp/page.png --native-shot "$work/native.png" --full-screen-key --reload --timeout "$kGuard" >"$work/page.json" || status=$?
if [ $status -eq 3 ]; then
  echo "SKIPPED: the web page check: chromium cannot start here ($(node -e 'console.log(JSON.parse(require("fs").readFileSync(process.argv[1])).chromiumFailed)' "$work/page.json"))"
  exit 0
fi

if [ -n "${KEEP:-}" ]; then
  mkdir -p "$KEEP"
  cp "$work/native.png" "$KEEP/native.png"
  node -e 'const r = JSON.parse(require("fs").readFileSync(process.argv[1])); if (r.pagePicture) require("fs").writeFileSync(process.argv[2], Buffer.from(r.pagePicture, "base64"))' \
    "$work/page.json" "$KEEP/page.png"
fi

# The digests the native game prints for a script, played with no touch.
untouchedDigests() {
  (cd "$work" && xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$native/tobrakka" -seed 11 -digest \
    -script "$1" >"$work/untouched.all" 2>&1)
  grep '^digest ' "$work/untouched.all"
}

# Touch controls: two thumbs at once, the left stick pushed right and the right one down, held
# until the game prints its digest at 4 s: the hero must move and fire, so the world at 4 s holds bullets and parts from the
# native game's, played by the same script without a touch.
printf 'title down 32\n4000 digest\n4100 quit\n' >"$work/touch.script"
untouchedDigests "$work/touch.script" | sed -n 1p >"$work/untouched.out"
node "$top/web/pagetest.js" --page "$top/build-web" --script "$work/touch.script" --args "-seed 11 -digest" \
  --touch --timeout "$kGuard" >"$work/touch.json" || true
node - "$work/touch.json" "$work/untouched.out" <<'EOF' || status=1
const fs = require('fs');
const report = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
const untouched = fs.readFileSync(process.argv[3], 'utf8').trim();
const touched = (report.lines || []).filter(line => line.startsWith('digest '))[0] || '';
const pad = report.touched || {};
const bullets = Number((touched.match(/ bullets=(\d+)/) || [])[1]);
console.log(`touch controls: sticks held at ${JSON.stringify(pad.axes)} by ${pad.fingers} fingers; ` +
            `the world ${touched && touched !== untouched ? 'moved' : 'did not move'}, ${bullets} bullets`);
if (!(pad.connected && pad.fingers === 2 && pad.axes[0] >= 0.5 && pad.axes[3] >= 0.5 && bullets > 0 &&
      touched !== untouched)) {
  console.log('FAILED: the touch controls did not play: ' + JSON.stringify([pad, touched, untouched]));
  process.exit(1);
}
EOF

# A tap on the picture goes on after a death: the hero, left standing, dies at about 13 s of the
# game's time; a tap once the digest after the first that shows him dead is printed (a second of
# the game's time later) starts the second loop, which
# the native game, untouched, never reaches. The digests each second tell the page test when
# (their times count from each loop's start).
{ echo 'title down 32'; seq -f '%g digest' 1000 1000 22000; echo '22100 quit'; } >"$work/tap.script"
untouchedDigests "$work/tap.script" >"$work/untapped.out"
node "$top/web/pagetest.js" --page "$top/build-web" --script "$work/tap.script" --args "-seed 11 -digest" \
  --tap-after-death --timeout "$kGuard" >"$work/tap.json" || true
node - "$work/tap.json" "$work/untapped.out" <<'EOF' || status=1
const fs = require('fs');
const report = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
const loopOf = line => Number(((line || '').match(/ loop=(\d+)/) || [])[1]);
const last = lines => lines.filter(line => line.startsWith('digest ')).pop();
const untapped = loopOf(last(fs.readFileSync(process.argv[3], 'utf8').split('\n')));
const tapped = loopOf(last(report.lines || []));
console.log(`tap to go on: loop ${tapped} at the end with a tap after the death, ${untapped} without`);
if (!(report.touched && untapped === 1 && tapped === 2)) {
  console.log('FAILED: the tap did not go on after the death: ' + JSON.stringify(report.lines));
  process.exit(1);
}
EOF

# A hidden page pauses: a player's game, recorded, with the page hidden for 3 s between two
# presses of W (and P to resume once it shows again) must record them well under 3 s of game
# time apart.
node "$top/web/pagetest.js" --page "$top/build-web" --args "-seed 11 -fps -record /tmp/hidden.script" \
  --hide 3 --timeout "$kGuard" >"$work/hidden.json" || true
node - "$work/hidden.json" <<'EOF' || status=1
const report = JSON.parse(require('fs').readFileSync(process.argv[2], 'utf8'));
const presses = (report.recording || '').split('\n').filter(line => / down 119$/.test(line)).map(line => Number(line.split(' ')[0]));
const apart = presses.length === 2 ? presses[1] - presses[0] : NaN;
console.log(`hidden page: the two presses ${apart} ms of game time apart, 3,900 ms of the page's time`);
if (!(apart < 2000)) {
  console.log('FAILED: the game played on while the page was hidden: ' + JSON.stringify([report.status, report.recording]));
  process.exit(1);
}
EOF

# A level shared by link: the page opened at index.html#level=CODE (the code tobrakka-sim --share
# gives for tests/data/shared-level.txt) keeps it in My levels and plays it, and its digests are the
# native sim's on that file, seed and script (the level's path aside).
printf 'title down 32\n0 down 100\n2000 digest\n4000 digest\n6000 digest\n6016 quit\n' >"$work/shared.script"
"$native/tobrakka-sim" --level "$top/tests/data/shared-level.txt" --seed 3 --script "$work/shared.script" 2>/dev/null |
  grep '^digest ' | sed 's/ level=[^ ]*//' >"$work/shared.native"
node "$top/web/pagetest.js" --page "$top/build-web" --script "$work/shared.script" --args "-seed 3 -digest" \
  --hash "level=$("$native/tobrakka-sim" --share "$top/tests/data/shared-level.txt")" --timeout "$kGuard" >"$work/shared.json" || true
node -e 'const r = JSON.parse(require("fs").readFileSync(process.argv[1])); for (const l of r.lines || []) if (l.startsWith("digest ")) console.log(l.replace(/ level=[^ ]*/, ""))' \
  "$work/shared.json" >"$work/shared.page"
if [ -s "$work/shared.native" ] && cmp -s "$work/shared.native" "$work/shared.page"; then
  echo "a shared level's link: the page's $(wc -l <"$work/shared.page") digests are the native sim's on its file"
else
  echo "FAILED: a shared level's link: native $(cat "$work/shared.native") page $(cat "$work/shared.page")"
  status=1
fi

# A level file dropped onto the page goes to Make levels, which keeps it in My levels as it was.
printf 'title down 32\n1500 quit\n' >"$work/drop.script"
node "$top/web/pagetest.js" --page "$top/build-web" --script "$work/drop.script" --args "-menus" \
  --drop "$top/tests/data/shared-level.txt" --timeout "$kGuard" \
  --inspect "(() => { try { return FS.readFile('/player/data/tobrakka/levels/level-1.txt', { encoding: 'utf8' }); } catch (e) { return null; } })()" \
  >"$work/drop.json" || true
if node -e 'const r = JSON.parse(require("fs").readFileSync(process.argv[1])); process.exit(r.inspected === require("fs").readFileSync(process.argv[2], "utf8") ? 0 : 1)' \
     "$work/drop.json" "$top/tests/data/shared-level.txt"; then
  echo "a level file dropped onto the page: kept in My levels byte for byte"
else
  echo "FAILED: a level file dropped onto the page: $(head -c 600 "$work/drop.json")"
  status=1
fi

# The page in the browser's language: a French browser's page letters its bar in French, and the
# game, reading no language from its settings, tells the page it speaks French too.
node "$top/web/pagetest.js" --page "$top/build-web" --script "$work/drop.script" --args "-menus" --lang fr \
  --timeout "$kGuard" --inspect "[document.getElementById('save').textContent, Module.spoken].join('|')" \
  >"$work/french.json" || true
french=$(node -e 'process.stdout.write(String(JSON.parse(require("fs").readFileSync(process.argv[1])).inspected))' "$work/french.json")
if [ "$french" = "Sauver ma progression|fr" ]; then
  echo "a French browser: the bar says \"Sauver ma progression\" and the game speaks fr"
else
  echo "FAILED: a French browser: the bar and the game's language: $french"
  status=1
fi

# The replay the page saved of its clear verifies natively, to the page's own final check.
node -e 'const r = JSON.parse(require("fs").readFileSync(process.argv[1])); process.stdout.write((r.reloaded || {}).firstReplay || "")' \
  "$work/page.json" >"$work/page.replay"
if TOBRAKKA_DATA="$native" "$native/tobrakka-sim" --replay "$work/page.replay" >"$work/page-replay.out" 2>&1; then
  echo "the page's replay, played natively: $(grep -h '^replay verified' "$work/page-replay.out")"
else
  echo "FAILED: the page's replay does not verify natively: $(tail -2 "$work/page-replay.out")"
  status=1
fi

node - "$work/page.json" "$work/native.digests" "$kMeanTolerance" "$kShareTolerance" "$work/native.fps" <<'EOF' || status=1
const fs = require('fs');
const [reportFile, nativeFile, meanTolerance, shareTolerance, nativeFpsFile] = process.argv.slice(2);
const report = JSON.parse(fs.readFileSync(reportFile, 'utf8'));
const native = fs.readFileSync(nativeFile, 'utf8').split('\n').filter(Boolean);
const lines = report.lines || [];
const digests = lines.filter(line => line.startsWith('digest '));
const fps = lines.filter(line => line.startsWith('fps: ')).map(line => Number(line.slice(5)));
const problems = [];
if (report.error || report.status !== 0)
  problems.push('the page did not end well: ' + (report.error || report.status) + '\n' +
                lines.concat(report.console || []).slice(-20).join('\n'));
if (native.length < 4 || JSON.stringify(digests) !== JSON.stringify(native))
  problems.push('digests differ:\n native: ' + native.join('\n         ') + '\n page:   ' + digests.join('\n         '));
const picture = report.picture || {};
if (!(picture.meanDifference <= Number(meanTolerance) && picture.shareOff <= Number(shareTolerance)))
  problems.push('the pictures differ: ' + JSON.stringify(picture));
if (report.fullScreenElement !== 'canvas')
  problems.push('F11 did not put the game on the whole screen: ' + report.fullScreenElement);
const reloaded = report.reloaded || {};
const kept = reloaded.progress || '';
if (!kept.startsWith('cleared 1'))
  problems.push('after a reload the page has no progress: ' + JSON.stringify(report.reloaded));
if (!(reloaded.replays || []).length)
  problems.push('the clear left no replay in the browser: ' + JSON.stringify(reloaded.replays));
if (!reloaded.serviceWorker || !(reloaded.caches || []).some(name => /^tobrakka-[0-9a-f]{16}$/.test(name)))
  problems.push('no service worker keeps the page: ' + JSON.stringify([reloaded.serviceWorker, reloaded.caches]));
if (report.offlineStatus !== 0)
  problems.push('with no server the page did not play: ' + report.offlineStatus);
if (!/^[0-9]+ files$/.test(reloaded.save || '') || (reloaded.badSaves || []).some(said => / files$/.test(said)))
  problems.push('the saves are not what they should be: ' + JSON.stringify([reloaded.save, reloaded.badSaves]));
const buttons = reloaded.buttons || {};
if (JSON.stringify(buttons.downloads || []).indexOf('tobrakka-progress.json') < 0 ||
    !(buttons.downloads || []).some(name => /\.replay$/.test(name)) || !/^Not loaded: other\.json/.test(buttons.afterForeignLoad || ''))
  problems.push('the bar\'s save buttons: ' + JSON.stringify(buttons));
const goodLoad = report.goodLoad || {};
if (!goodLoad.reloaded || !goodLoad.loadedReplayKept)
  problems.push('a good save given to Load progress: ' + JSON.stringify(goodLoad));
if (!reloaded.logHidden || reloaded.toolchainInLog)
  problems.push('the log shows, or shows the toolchain: ' + JSON.stringify([reloaded.logHidden, reloaded.toolchainInLog]));
const debugInView = /emscripten|warning|sdl_driver|\[ \]|joystick/i;
if (debugInView.test(reloaded.visibleText || 'no text read'))
  problems.push('the page shows a toolchain or debug line: ' + JSON.stringify(reloaded.visibleText));
for (const digest of native)
  console.log('native and page: ' + digest);
console.log('picture at 20 s: ' + JSON.stringify(picture));
console.log('progress after a reload: ' + JSON.stringify(kept.split('\n')[0]) + ', replays ' +
            JSON.stringify(reloaded.replays) + ', save ' + reloaded.save + ', bad saves refused: ' +
            JSON.stringify(reloaded.badSaves));
console.log('the bar: downloads ' + JSON.stringify(buttons.downloads) + '; a foreign file loaded: ' +
            JSON.stringify(buttons.afterForeignLoad) + '; a good save loaded: ' + JSON.stringify(goodLoad));
console.log('service worker cache ' + JSON.stringify(reloaded.caches) + '; started with no server: status ' +
            report.offlineStatus + '; log hidden, no toolchain line in it: ' + (reloaded.logHidden && !reloaded.toolchainInLog) +
            '; the page shows ' + JSON.stringify(reloaded.visibleText));
const median = values => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const nativeFps = fs.readFileSync(nativeFpsFile, 'utf8').split('\n').filter(Boolean).map(line => Number(line.slice(5)));
console.log(`steps per second in the page: median ${median(fps)}, lowest ${fps[0]}, highest ${fps[fps.length - 1]} ` +
            `(the native game on the same script just before: median ${median(nativeFps)}); ` +
            `first picture ${Math.round(report.firstPictureMs)} ms after the page began to load (${report.chromium})`);
if (problems.length) {
  console.log('FAILED: ' + problems.join('\nFAILED: '));
  process.exit(1);
}
EOF
exit $status
