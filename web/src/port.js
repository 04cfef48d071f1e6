// Runs inside the core's module (--pre-js): the serial port through Web Serial, with the read
// the link's engine expects, and the one way to call the core where it may wait.

// The port the page chose (Module.serialPort, a standard SerialPort), opened at the link's
// settings. A background loop takes whatever the port delivers; a read of the engine waits on it
// with the link's two time-outs: it returns at `cap` bytes, `intervalMs` after the last byte
// that came, or `totalMs` after it began, whichever is first, as the desktop's port does.
var kEarlyMs = 2;
var brenvoxSerial = {
  port: null,
  reader: null,
  writer: null,
  chunks: [],
  lastByteAt: 0,
  wake: null,
  errorText: '',
  closing: Promise.resolve(),

  // 0, or the PortFault value that says why not (serial_link.h).
  open: async function (baud) {
    await this.closing;
    this.errorText = '';
    var port = Module['serialPort'];
    if (!port) return 1;  // NotChosen
    try {
      await port.open({ baudRate: baud, dataBits: 8, parity: 'none', stopBits: 1, flowControl: 'none' });
    } catch (e) {
      this.errorText = (e && e.message) || String(e);
      if (e && e.name === 'InvalidStateError') return 3;  // Busy: open already
      if (e && e.name === 'NetworkError') return 3;       // the system would not give it: in use
      if (e && e.name === 'SecurityError') return 4;      // AccessDenied
      if (e && e.name === 'NotFoundError') return 2;      // NoDevice: unplugged meanwhile
      return 6;
    }
    try {
      await port.setSignals({ dataTerminalReady: true, requestToSend: true });
      this.reader = port.readable.getReader();
      this.writer = port.writable.getWriter();
    } catch (e) {
      this.errorText = (e && e.message) || String(e);
      try { await port.close(); } catch (ignored) {}
      return 6;
    }
    this.port = port;
    this.chunks = [];
    this.receive(port);
    return 0;
  },

  receive: async function (port) {
    while (this.port === port) {
      var reader = this.reader;
      try {
        for (;;) {
          var r = await reader.read();
          if (r.done) break;
          if (r.value && r.value.length) {
            this.chunks.push(r.value);
            this.lastByteAt = performance.now();
            if (this.wake) this.wake();
          }
        }
        break;  // the stream ended: the port was closed
      } catch (e) {
        // A line error (framing, parity, a break, an overrun) ends this stream and the port
        // offers the next one; a port that went away (unplugged) or was closed offers none.
      }
      if (this.port !== port || !port.readable) break;
      try { reader.releaseLock(); } catch (ignored) {}
      try {
        this.reader = port.readable.getReader();
      } catch (e) {
        break;
      }
    }
    if (this.wake) this.wake();
  },

  purge: function () {
    this.chunks = [];
  },

  write: function (bytes) {
    if (this.writer) this.writer.write(bytes).catch(function () {});
  },

  read: function (cap, totalMs, intervalMs) {
    var self = this;
    return new Promise(function (resolve) {
      var start = performance.now();
      var out = new Uint8Array(cap);
      var got = 0;
      var timer = 0;
      function finish() {
        clearTimeout(timer);
        tick.port1.close();
        self.wake = null;
        resolve(out.subarray(0, got));
      }
      function step() {
        while (got < cap && self.chunks.length) {
          var c = self.chunks[0];
          var n = Math.min(cap - got, c.length);
          out.set(c.subarray(0, n), got);
          got += n;
          if (n === c.length) self.chunks.shift();
          else self.chunks[0] = c.subarray(n);
        }
        if (got >= cap || !self.port) return finish();
        var now = performance.now();
        // A time-out of 0 is not used; bytes that were waiting when the read began count from
        // its start, as the link's deadline counts them.
        var deadline = totalMs > 0 ? start + totalMs : Infinity;
        if (got > 0 && intervalMs > 0) deadline = Math.min(deadline, Math.max(self.lastByteAt, start) + intervalMs);
        if (now >= deadline) return finish();
        clearTimeout(timer);
        if (deadline === Infinity) return;  // only bytes end it
        // A timer of the browser fires a millisecond or more after it was due, once per reply
        // that would be a tenth more than the 10 ms the reply's end costs. So the timer wakes us
        // shortly before, and messages to ourselves (which come back within microseconds, and
        // let the port's bytes in between) carry us to the deadline itself.
        if (deadline - now > kEarlyMs) timer = setTimeout(step, deadline - now - kEarlyMs);
        else if (!ticking) {
          ticking = true;
          tick.port2.postMessage(0);
        }
      }
      var ticking = false;
      var tick = new MessageChannel();
      tick.port1.onmessage = function () {
        ticking = false;
        step();
      };
      self.wake = step;
      step();
    });
  },

  close: function () {
    var port = this.port, reader = this.reader, writer = this.writer;
    this.port = this.reader = this.writer = null;
    this.chunks = [];
    if (this.wake) this.wake();
    if (!port) return;
    // DTR and RTS dropped, then closed; a new opening waits for this to end.
    this.closing = (async function () {
      // Bytes still queued for the port go out before it closes.
      try { await writer.close(); } catch (ignored) {}
      try { await reader.cancel(); } catch (ignored) {}
      try { reader.releaseLock(); } catch (ignored) {}
      try { writer.releaseLock(); } catch (ignored) {}
      try { await port.setSignals({ dataTerminalReady: false, requestToSend: false }); } catch (ignored) {}
      try { await port.close(); } catch (ignored) {}
    })();
  },
};

// Calls an export that may wait for the browser (the port's opening, a transfer, the dialogs at
// an operation's end) and gives a promise of its result. Only one such call may wait at a time,
// so they queue; the calls that never wait (the bar, "Przerwij", the values of the settings) go
// straight in, also while another waits.
var brenvoxWaiting = Promise.resolve();
Module['callWaiting'] = function (name, args) {
  var run = function () {
    var result = Module['_' + name].apply(null, args || []);
    return Asyncify.currData ? Asyncify.whenDone() : result;
  };
  var p = brenvoxWaiting.then(run);
  brenvoxWaiting = p.catch(function () {});
  return p;
};
