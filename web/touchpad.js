// Touch controls: a pad on the screen, played by the game as any pad of the Gamepad API (the
// page adds it to navigator.getGamepads() in the standard layout). The left stick moves, the right
// stick aims and fires past half way, "A" continues after a death or a clear (and takes a menu's
// marked line), "II" pauses. They show at the first touch and hide again at the first key or mouse
// move; a tap elsewhere on the picture continues after a death or a clear (the game hears it
// from the canvas) and is the browser's click, which takes a menu's line. Each
// finger is followed on its own, so moving and aiming go together; a finger that leaves its
// stick's circle keeps pushing it to the rim, and one that ends or is cancelled lets it go.
'use strict';

const TouchPad = (function () {
  const kRadius = 60; // a stick's travel, in CSS pixels
  const pad = {
    id: 'Tobrakka touch controls (STANDARD GAMEPAD)',
    index: -1,
    connected: false,
    mapping: 'standard',
    timestamp: 0,
    axes: [0, 0, 0, 0],
    buttons: Array.from({ length: 17 }, function () { return { pressed: false, touched: false, value: 0 }; }),
    vibrationActuator: null,
  };
  const fingers = new Map(); // pointerId: the stick or button it holds
  let overlay = null;

  const realGamepads = navigator.getGamepads ? navigator.getGamepads.bind(navigator) : function () { return []; };
  navigator.getGamepads = function () {
    const pads = Array.from(realGamepads());
    if (pad.connected) {
      pad.index = Math.max(pads.length, 4);
      while (pads.length < pad.index)
        pads.push(null);
      pads.push(pad);
    }
    return pads;
  };

  function touched() {
    pad.timestamp = performance.now();
  }

  function setButton(index, down) {
    pad.buttons[index] = { pressed: down, touched: down, value: down ? 1 : 0 };
    touched();
  }

  // The stick's axes from where the finger is, against where it came down.
  function moveStick(hold, event) {
    let dx = (event.clientX - hold.x) / kRadius;
    let dy = (event.clientY - hold.y) / kRadius;
    const length = Math.hypot(dx, dy);
    if (length > 1) {
      dx /= length;
      dy /= length;
    }
    pad.axes[hold.axis] = dx;
    pad.axes[hold.axis + 1] = dy;
    hold.knob.style.transform = 'translate(' + dx * kRadius + 'px, ' + dy * kRadius + 'px)';
    touched();
  }

  function release(event) {
    const hold = fingers.get(event.pointerId);
    if (!hold)
      return;
    fingers.delete(event.pointerId);
    if (hold.button !== undefined) {
      setButton(hold.button, false);
    } else {
      pad.axes[hold.axis] = pad.axes[hold.axis + 1] = 0;
      hold.knob.style.transform = '';
      touched();
    }
  }

  function holdStick(element, axis) {
    element.addEventListener('pointerdown', function (event) {
      event.preventDefault();
      element.setPointerCapture(event.pointerId);
      fingers.set(event.pointerId, { axis: axis, x: event.clientX, y: event.clientY, knob: element.firstElementChild });
    });
    element.addEventListener('pointermove', function (event) {
      const hold = fingers.get(event.pointerId);
      if (hold && hold.axis !== undefined)
        moveStick(hold, event);
    });
  }

  function holdButton(element, button) {
    element.addEventListener('pointerdown', function (event) {
      event.preventDefault();
      element.setPointerCapture(event.pointerId);
      fingers.set(event.pointerId, { button: button });
      setButton(button, true);
    });
  }

  function show(shown) {
    overlay.hidden = !shown;
    if (shown && !pad.connected) {
      pad.connected = true;
      touched();
    }
  }

  return {
    // The overlay's sticks and buttons (children of the element, over the canvas).
    wire: function (element) {
      overlay = element;
      holdStick(element.querySelector('.stick.left'), 0);
      holdStick(element.querySelector('.stick.right'), 2);
      holdButton(element.querySelector('.button.continue'), 0); // A, the button nearest you
      holdButton(element.querySelector('.button.pause'), 9);     // Start
      for (const type of ['pointerup', 'pointercancel', 'lostpointercapture'])
        element.addEventListener(type, release);
      window.addEventListener('pointerdown', function (event) {
        if (event.pointerType === 'touch')
          show(true);
      }, true);
      window.addEventListener('keydown', function () { show(false); }, true);
      window.addEventListener('pointermove', function (event) {
        if (event.pointerType === 'mouse' && (event.movementX || event.movementY))
          show(false);
      }, true);
    },
    // For the page test: the pad as the game reads it.
    state: function () {
      return { connected: pad.connected, axes: pad.axes.slice(), fingers: fingers.size,
               pressed: pad.buttons.map(function (b) { return b.pressed; }) };
    },
  };
})();
