// The imports of the core's web files and of web/src/brenvox_web.cpp: the port (port.js), the
// transfer's task, the browser's languages, and what the page shows of an operation (app.js
// sets the Module.on... handlers). The four that wait are listed in ASYNCIFY_IMPORTS.
mergeInto(LibraryManager.library, {
  brenvox_web_port_open: function (baud) {
    return Asyncify.handleSleep(function (wakeUp) {
      brenvoxSerial.open(baud).then(wakeUp);
    });
  },
  brenvox_web_port_error_text: function (buf, cap) {
    return stringToUTF8(brenvoxSerial.errorText, buf, cap);
  },
  brenvox_web_port_close: function () {
    brenvoxSerial.close();
  },
  brenvox_web_port_purge: function () {
    brenvoxSerial.purge();
  },
  brenvox_web_port_write: function (data, count) {
    brenvoxSerial.write(HEAPU8.slice(data, data + count));
  },
  brenvox_web_port_read: function (buf, cap, totalMs, intervalMs) {
    return Asyncify.handleSleep(function (wakeUp) {
      brenvoxSerial.read(cap, totalMs, intervalMs).then(function (bytes) {
        HEAPU8.set(bytes, buf);
        wakeUp(bytes.length);
      });
    });
  },
  brenvox_web_schedule_transfer: function () {
    Module['onScheduleTransfer']();
  },
  brenvox_web_browser_languages: function (buf, cap) {
    var list = (navigator.languages && navigator.languages.length) ? navigator.languages : [navigator.language || ''];
    return stringToUTF8(list.join(','), buf, cap);
  },
  brenvox_web_view_line: function (text, length) {
    Module['onLine'](UTF8ToString(text, length));
  },
  brenvox_web_view_clear: function () {
    Module['onClear']();
  },
  brenvox_web_view_running: function (running) {
    Module['onRunning'](!!running);
  },
  brenvox_web_view_information: function (text, length) {
    var message = UTF8ToString(text, length);
    return Asyncify.handleSleep(function (wakeUp) {
      Module['onInformation'](message).then(function () { wakeUp(0); });
    });
  },
  brenvox_web_view_pin: function (buf, cap) {
    return Asyncify.handleSleep(function (wakeUp) {
      Module['onPin']().then(function (text) {
        wakeUp(text === null ? -1 : stringToUTF8(text, buf, cap));
      });
    });
  },
  brenvox_web_view_settings_read: function () {
    Module['onSettingsRead']();
  },
  brenvox_web_view_ended: function (succeeded) {
    Module['onEnded'](!!succeeded);
  },
  brenvox_web_view_event: function () {
    Module['onWorkerEvent']();
  },
});
