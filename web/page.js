// The page around the game: its arguments from the address, the player's files kept in the
// browser's IndexedDB, the console lines, full screen, and the end of a run for a test to read.
//
// The address takes  ?args=<the game's arguments, space-separated>  and  &script=<address of
// an input script>, which is fetched and played with -script. Whatever the game prints is in
// Module.lines; window.tobrakkaEnded holds the exit status once the game has shut down.
'use strict';

(function () {
  const kPlayerFolder = '/player';
  const kScriptFile = '/tmp/page.script';
  const params = new URLSearchParams(window.location.search);
  const statusLine = document.getElementById('status');
  const log = document.getElementById('log');
  const canvas = document.getElementById('canvas');

  function show(line) {
    Module.lines.push(line);
    log.textContent += line + '\n';
    log.scrollTop = log.scrollHeight;
  }

  function gameArguments() {
    const words = (params.get('args') || '').split(/\s+/).filter(Boolean);
    if (params.has('script'))
      words.push('-script', kScriptFile);
    return words;
  }

  // Saving a file of the player's ends in a rename (the game writes FILE.new, then renames it);
  // each one is written through to IndexedDB, one store at a time.
  let storing = false;
  let storeAgain = false;
  function storePlayerFiles() {
    if (storing) {
      storeAgain = true;
      return;
    }
    storing = true;
    FS.syncfs(false, function (error) {
      if (error)
        show('could not keep the player files in the browser: ' + error);
      storing = false;
      if (storeAgain) {
        storeAgain = false;
        storePlayerFiles();
      }
    });
  }

  function mountPlayerFiles() {
    ENV.TOBRAKKA_DATA = '/game';
    ENV.XDG_CONFIG_HOME = kPlayerFolder + '/config';
    ENV.XDG_STATE_HOME = kPlayerFolder + '/state';
    ENV.XDG_DATA_HOME = kPlayerFolder + '/data'; // the replays
    FS.mkdir(kPlayerFolder);
    FS.mount(IDBFS, {}, kPlayerFolder);
    addRunDependency('player files');
    FS.syncfs(true, function (error) {
      if (error)
        show('could not read the player files kept in the browser: ' + error);
      removeRunDependency('player files');
    });
    const rename = FS.rename;
    FS.rename = function (from, to) {
      rename(from, to);
      if (to.startsWith(kPlayerFolder + '/'))
        storePlayerFiles();
    };
  }

  function fetchScript() {
    if (!params.has('script'))
      return;
    addRunDependency('input script');
    fetch(params.get('script'))
      .then(function (response) {
        if (!response.ok)
          throw new Error(response.status + ' ' + response.statusText);
        return response.text();
      })
      .then(function (text) {
        FS.writeFile(kScriptFile, text);
        removeRunDependency('input script');
      })
      .catch(function (error) {
        show('cannot fetch the input script ' + params.get('script') + ': ' + error.message);
      });
  }

  function fullScreen() {
    if (document.fullscreenElement)
      document.exitFullscreen();
    else
      canvas.requestFullscreen();
    canvas.focus();
  }

  window.Module = {
    canvas: canvas,
    arguments: gameArguments(),
    lines: [],
    preRun: [mountPlayerFiles, fetchScript],
    // The effects are decoded by Web Audio when the game loads them; the music streams from an
    // audio element rather than lie decoded in memory.
    noAudioDecoding: true,
    SDL_canPlayWithWebAudio: function (name) { return !name.endsWith('.ogg'); },
    print: show,
    printErr: show,
    setStatus: function (text) {
      statusLine.textContent = text || 'Click or press a key to start the sound';
    },
    onRuntimeInitialized: function () {
      window.tobrakkaStarted = performance.now();
    },
    // The run counts as ended once the player's files are in the browser.
    onGameEnded: function (status) {
      FS.syncfs(false, function (error) {
        if (error)
          show('could not keep the player files in the browser: ' + error);
        statusLine.textContent = 'The game has ended (' + status + '). Reload the page to play again.';
        window.tobrakkaEnded = status;
      });
    },
  };

  document.getElementById('fullscreen').addEventListener('click', fullScreen);
  // F11 and Alt+Enter are the page's, not the browser's: the canvas alone fills the screen. The
  // game never sees them, so it does not try to change a window it does not have (and a browser
  // grants full screen only while it handles the key itself).
  function isFullScreenKey(event) {
    return event.key === 'F11' || (event.key === 'Enter' && event.altKey);
  }
  window.addEventListener('keydown', function (event) {
    if (!isFullScreenKey(event))
      return;
    event.preventDefault();
    event.stopImmediatePropagation();
    fullScreen();
  }, true);
  window.addEventListener('keyup', function (event) {
    if (isFullScreenKey(event))
      event.stopImmediatePropagation();
  }, true);
  window.addEventListener('pagehide', storePlayerFiles);
})();
