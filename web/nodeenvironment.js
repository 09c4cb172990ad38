// Hands node's environment to the headless driver (emscripten gives a program a fixed one of its
// own), so that TOBRAKKA_DATA and the like reach getenv as they do natively.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () { Object.assign(ENV, process.env); });
